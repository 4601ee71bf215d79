#include "ui/PanelWidgets.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/MainSession.h"

namespace lumo::ui {

QGridLayout* compactGrid(QGroupBox* box) {
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setVerticalSpacing(2);
  return grid;
}

QPushButton* namedButton(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QRadioButton* option(QGroupBox* box, const char* name, const char* caption) {
  auto* b = new QRadioButton(QString::fromLatin1(caption), box);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QLineEdit* numberBox(QGroupBox* box, const char* name) {
  auto* e = new QLineEdit(box);
  e->setObjectName(QString::fromLatin1(name));
  e->setAlignment(Qt::AlignRight);
  e->setMaximumWidth(90);
  return e;
}

std::pair<QPushButton*, QPushButton*> buttonRow(QGroupBox* box, QGridLayout* grid, int row,
                                                const char* confirmName, const char* confirmCaption,
                                                const char* cancelName) {
  QPushButton* confirm = namedButton(box, confirmName, confirmCaption);
  QPushButton* cancel = namedButton(box, cancelName, "&Cancel");
  grid->addWidget(confirm, row, 0);
  grid->addWidget(cancel, row, 1);
  return {confirm, cancel};
}

QGridLayout* commandButtons(QWidget* parent, const SessionRunner& run,
                            std::initializer_list<CommandButton> buttons, int columns) {
  auto* row = new QGridLayout;
  int at = 0;
  const int perRow = columns > 0 ? columns : static_cast<int>(buttons.size());
  for (const CommandButton& b : buttons) {
    QPushButton* button = namedButton(parent, b.name, b.caption);
    row->addWidget(button, at / perRow, at % perRow);
    ++at;
    QObject::connect(button, &QPushButton::clicked, parent,
                     [run, handler = b.handler] { run([handler](MainSession& s) { (s.*handler)(); }); });
  }
  return row;
}

void setTextQuietly(QLineEdit* edit, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (edit->text() == shown) return;
  const QSignalBlocker block(edit);
  edit->setText(shown);
}

void setCheckedQuietly(QAbstractButton* button, bool checked) {
  if (button->isChecked() == checked) return;
  const QSignalBlocker block(button);
  button->setChecked(checked);
}

void checkOption(QRadioButton* b) {
  if (b->isChecked()) return;
  const QSignalBlocker block(b);
  b->setChecked(true);
}

}  // namespace lumo::ui
