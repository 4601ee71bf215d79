#include "ui/PanelParts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace lumo::ui {

QGridLayout* compactGrid(QGroupBox* box) {
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setVerticalSpacing(2);
  return grid;
}

QRadioButton* option(QGroupBox* box, const char* name, const char* caption) {
  auto* b = new QRadioButton(QString::fromLatin1(caption), box);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QPushButton* button(QGroupBox* box, const char* name, const char* caption) {
  auto* b = new QPushButton(QString::fromLatin1(caption), box);
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

std::pair<QPushButton*, QPushButton*> buttonRow(QGroupBox* panel, QGridLayout* grid, int row,
                                                const char* confirmName, const char* confirmCaption,
                                                const char* cancelName) {
  QPushButton* confirm = button(panel, confirmName, confirmCaption);
  QPushButton* cancel = button(panel, cancelName, "&Cancel");
  grid->addWidget(confirm, row, 0);
  grid->addWidget(cancel, row, 1);
  return {confirm, cancel};
}

void checkOption(QRadioButton* b) {
  if (b->isChecked()) return;
  const QSignalBlocker block(b);
  b->setChecked(true);
}

void showText(QLineEdit* edit, const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (edit->text() == shown) return;
  const QSignalBlocker block(edit);
  edit->setText(shown);
}

void showChecked(QCheckBox* box, bool checked) {
  if (box->isChecked() == checked) return;
  const QSignalBlocker block(box);
  box->setChecked(checked);
}

}  // namespace lumo::ui
