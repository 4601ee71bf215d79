#include "ui/ExportPlotFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/PanelWidgets.h"

namespace lumo::ui {
namespace {

struct BoxInfo {
  ExportPlotBox box;
  const char* name;
  const char* caption;
};
constexpr BoxInfo kBoxes[] = {{ExportPlotBox::Width, "txtExportWidth", "Width (mm):"},
                              {ExportPlotBox::Height, "txtExportHeight", "Height (mm):"},
                              {ExportPlotBox::Resolution, "txtExportResolution", "Resolution (dpi):"}};

}  // namespace

ExportPlotFrame::ExportPlotFrame(QWidget* parent) : QGroupBox(QStringLiteral("Export Plot"), parent) {
  setObjectName(QStringLiteral("frameExportPlot"));
  QGridLayout* grid = compactGrid(this);
  for (size_t k = 0; k < boxes_.size(); ++k) {
    const BoxInfo& info = kBoxes[k];
    QLineEdit* edit = numberBox(this, info.name);
    const int row = static_cast<int>(k);
    grid->addWidget(new QLabel(QString::fromLatin1(info.caption), this), row, 0);
    grid->addWidget(edit, row, 1);
    boxes_[k] = edit;
    const ExportPlotBox box = info.box;
    connect(edit, &QLineEdit::textEdited, this, [this, box](const QString& t) { emit edited(box, t); });
    connect(edit, &QLineEdit::returnPressed, this, &ExportPlotFrame::accepted);
  }
  auto* note = new QLabel(QStringLiteral("SVG and PDF keep lines and texts as vectors; "
                                         "PNG has the pixels of the size at the resolution."),
                          this);
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0, 1, 2);
  const auto [ok, cancel] = buttonRow(this, grid, 4, "cmdExportPlotOK", "&Export", "cmdExportPlotCancel");
  connect(ok, &QPushButton::clicked, this, &ExportPlotFrame::accepted);
  connect(cancel, &QPushButton::clicked, this, &ExportPlotFrame::cancelled);
}

void ExportPlotFrame::sync(const ExportPlotPanel& panel, bool enabled) {
  setVisible(panel.visible);
  for (size_t k = 0; k < boxes_.size(); ++k) setTextQuietly(boxes_[k], panel.text(kBoxes[k].box));
  setEnabled(enabled);
}

}  // namespace lumo::ui
