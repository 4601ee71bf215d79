#include "ui/PanelWidgets.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

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

std::pair<QPushButton*, QPushButton*> buttonRow(QGroupBox* box, QGridLayout* grid, int row,
                                                const char* confirmName, const char* confirmCaption,
                                                const char* cancelName) {
  QPushButton* confirm = namedButton(box, confirmName, confirmCaption);
  QPushButton* cancel = namedButton(box, cancelName, "&Cancel");
  grid->addWidget(confirm, row, 0);
  grid->addWidget(cancel, row, 1);
  return {confirm, cancel};
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

}  // namespace lumo::ui
