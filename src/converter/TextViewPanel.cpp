#include "converter/TextViewPanel.h"

#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "converter/TextView.h"

namespace lumo::ui {
namespace {

void showItems(QListWidget* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(QString::fromStdString(item));
}

}  // namespace

TextViewPanel::TextViewPanel(converter::TextView& view, QWidget* parent)
    : QWidget(parent), view_(view) {
  cmdViewOne = new QPushButton(tr("View &One"), this);
  cmdViewTwo = new QPushButton(tr("View &Two"), this);
  cmdReturn = new QPushButton(tr("&Return"), this);
  auto* viewButtons = new QHBoxLayout;
  viewButtons->addWidget(cmdViewOne);
  viewButtons->addWidget(cmdViewTwo);
  viewButtons->addStretch();
  viewButtons->addWidget(cmdReturn);

  lstText = new QListWidget(this);
  auto* upperFrame = new QGroupBox(this);
  auto* upper = new QVBoxLayout(upperFrame);
  upper->addWidget(paneControls(txtNameOne, cmdPrevious, tr("&Previous"), cmdNext, tr("&Next")));
  upper->addWidget(lstText);

  lstTextTwo = new QListWidget(this);
  lowerFrame = new QGroupBox(this);
  auto* lower = new QVBoxLayout(lowerFrame);
  lower->addWidget(
      paneControls(txtNameTwo, cmdPreviousTwo, tr("P&revious"), cmdNextTwo, tr("Ne&xt")));
  lower->addWidget(lstTextTwo);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(viewButtons);
  layout->addWidget(upperFrame, 1);
  layout->addWidget(lowerFrame, 1);

  onClick(cmdViewOne, [](converter::TextView& v) { v.cmdViewOne_Click(); });
  onClick(cmdViewTwo, [](converter::TextView& v) { v.cmdViewTwo_Click(); });
  onClick(cmdPrevious, [](converter::TextView& v) { v.cmdPrevious_Click(); });
  onClick(cmdNext, [](converter::TextView& v) { v.cmdNext_Click(); });
  onClick(cmdPreviousTwo, [](converter::TextView& v) { v.cmdPreviousTwo_Click(); });
  onClick(cmdNextTwo, [](converter::TextView& v) { v.cmdNextTwo_Click(); });
  connect(cmdReturn, &QPushButton::clicked, this, &TextViewPanel::returnRequested);
}

QWidget* TextViewPanel::paneControls(QLineEdit*& name, QPushButton*& previous,
                                     const QString& previousText, QPushButton*& next,
                                     const QString& nextText) {
  auto* row = new QWidget(this);
  name = new QLineEdit(row);
  name->setReadOnly(true);
  previous = new QPushButton(previousText, row);
  next = new QPushButton(nextText, row);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(name, 1);
  layout->addWidget(previous);
  layout->addWidget(next);
  return row;
}

void TextViewPanel::onClick(QPushButton* button, void (*handler)(converter::TextView&)) {
  connect(button, &QPushButton::clicked, this, [this, handler] {
    handler(view_);
    refresh();
  });
}

void TextViewPanel::refresh() {
  const auto& upper = view_.upper();
  const auto& lower = view_.lower();
  txtNameOne->setText(QFile::decodeName(QByteArray::fromStdString(upper.name)));
  showItems(lstText, upper.items);
  cmdPrevious->setEnabled(upper.previousEnabled);
  cmdNext->setEnabled(upper.nextEnabled);
  txtNameTwo->setText(QFile::decodeName(QByteArray::fromStdString(lower.name)));
  showItems(lstTextTwo, lower.items);
  cmdPreviousTwo->setEnabled(lower.previousEnabled);
  cmdNextTwo->setEnabled(lower.nextEnabled);
  lowerFrame->setVisible(view_.lowerShown());
  cmdViewOne->setVisible(view_.viewOneShown());
  cmdViewTwo->setVisible(view_.viewTwoShown());
}

}  // namespace lumo::ui
