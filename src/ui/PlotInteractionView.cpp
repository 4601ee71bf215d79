#include "ui/PlotInteractionView.h"

#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "plot/PlotWidget.h"
#include "plot/StandardColour.h"

namespace lumo::ui {
namespace {

MouseButton buttonOf(Qt::MouseButton b) {
  if (b == Qt::LeftButton) return MouseButton::Left;
  if (b == Qt::RightButton) return MouseButton::Right;
  return MouseButton::Other;
}

// Standard colour 12, the bright red of the background marker.
constexpr int kBackgroundLineColour = 12;

void addLine(PrimitiveList& lines, const MarkerLine& line, int colour) {
  if (line.visible) lines.push_back(LinePrimitive{line.from, line.to, colour});
}

}  // namespace

PlotInteractionView::PlotInteractionView(MainSession& session, Runner run, const Plots& plots,
                                         QWidget* labelParent)
    : QObject(labelParent),
      session_(session),
      run_(std::move(run)),
      plots_(plots),
      qLabel_(new QLabel(labelParent)),
      rLabel_(new QLabel(labelParent)) {
  qLabel_->setObjectName(QStringLiteral("lblQPosition"));
  rLabel_->setObjectName(QStringLiteral("lblReflectivityPosition"));
  // Wide enough for the longest read-out, so that the status bar does not jump.
  qLabel_->setMinimumWidth(qLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Q:    0.0000")));
  rLabel_->setMinimumWidth(rLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Ref: 0.00E-00")));
  for (int p = 0; p < kPlotSurfaces; ++p) {
    connectPlot(p);
    addPictureButtons(p);
  }
  syncReadOut();
}

void PlotInteractionView::connectPlot(int p) {
  plot::PlotWidget* w = plots_[static_cast<size_t>(p)];
  connect(w, &plot::PlotWidget::mouseMoved, this, [this, p](LogicalPoint at, bool leftHeld) {
    session_.picPlot_MouseMove(p, at, leftHeld);
    syncPointer(p);
  });
  connect(w, &plot::PlotWidget::mouseLeft, this, [this, p] {
    session_.picPlot_MouseLeave(p);
    syncPointer(p);
  });
  connect(w, &plot::PlotWidget::mousePressed, this, [this, p](Qt::MouseButton b, LogicalPoint at) {
    run_([p, b, at](MainSession& s) { s.picPlot_MouseDown(p, buttonOf(b), at); });
  });
  connect(w, &plot::PlotWidget::mouseReleased, this, [this, p](Qt::MouseButton b, LogicalPoint at) {
    run_([p, b, at](MainSession& s) { s.picPlot_MouseUp(p, buttonOf(b), at); });
  });
}

void PlotInteractionView::addPictureButtons(int p) {
  plot::PlotWidget* w = plots_[static_cast<size_t>(p)];
  QStyle* style = w->style();
  const auto i = static_cast<size_t>(p);
  if (p > 0) {
    remove_[i] = w->addCornerButton(style->standardIcon(QStyle::SP_TitleBarCloseButton),
                                    tr("Remove this data set"), QStringLiteral("picDeletePlot%1").arg(p));
    connect(remove_[i], &QToolButton::clicked, this,
            [this, p] { run_([p](MainSession& s) { s.picDeletePlot_Click(p); }); });
  }
  enlarge_[i] = w->addCornerButton(
      style->standardIcon(p > 0 ? QStyle::SP_TitleBarMaxButton : QStyle::SP_TitleBarNormalButton),
      p > 0 ? tr("Enlarge this plot") : tr("Back to the small plots"),
      QStringLiteral("picEnlarge%1").arg(p));
  connect(enlarge_[i], &QToolButton::clicked, this,
          [this, p] { run_([p](MainSession& s) { s.picEnlargePicture_Click(p); }); });
  yFix_[i] = w->addCornerButton(QIcon(), tr("Set the Y range"), QStringLiteral("PicYFix%1").arg(p));
  yFix_[i]->setText(QStringLiteral("Y"));
  connect(yFix_[i], &QToolButton::clicked, this,
          [this, p] { run_([p](MainSession& s) { s.PicYFix_Click(p); }); });
}

void PlotInteractionView::syncPointer(int p) {
  const PlotInteraction& in = session_.interaction();
  PrimitiveList lines;
  addLine(lines, in.LineX1(p), colour::Red);
  addLine(lines, in.LineBackgroundSub(p), kBackgroundLineColour);
  plot::PlotWidget* w = plots_[static_cast<size_t>(p)];
  w->setMarkerLines(lines);
  w->setCrossPointer(in.cursor(p) == PlotCursor::Cross);
  syncReadOut();
}

void PlotInteractionView::syncReadOut() {
  qLabel_->setText(QString::fromStdString(session_.interaction().lblQPosition()));
  rLabel_->setText(QString::fromStdString(session_.interaction().lblReflectivityPosition()));
}

void PlotInteractionView::sync() {
  const bool loaded = session_.dataLoaded();
  const int sets = session_.store().NumDataSets;
  for (int p = 0; p < kPlotSurfaces; ++p) {
    const auto i = static_cast<size_t>(p);
    yFix_[i]->setVisible(session_.PicYFixVisible(p));
    enlarge_[i]->setVisible(p == 0 || p <= sets);
    // The last data set cannot be removed.
    if (remove_[i]) remove_[i]->setVisible(loaded && sets >= 2 && p <= sets);
    plots_[i]->layOutCornerButtons();
    syncPointer(p);
  }
}

}  // namespace lumo::ui
