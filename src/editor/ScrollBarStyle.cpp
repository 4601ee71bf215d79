#include "editor/ScrollBarStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionSlider>

namespace lumo::editor {
namespace {

constexpr int kShortestThumb = 18;

}  // namespace

ScrollBarStyle* ScrollBarStyle::instance() {
  // Without a base style the proxy follows the application's style.
  static ScrollBarStyle* style = [] {
    auto* s = new ScrollBarStyle;
    s->setParent(qApp);
    return s;
  }();
  return style;
}

int ScrollBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
  if (metric == PM_ScrollBarSliderMin) return kShortestThumb;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if (control != CC_ScrollBar) return;
  const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
  if (thumb.width() < 3 || thumb.height() < 3) return;
  const bool enabled = option->state & State_Enabled;
  const QPalette& pal = option->palette;
  const QColor fill = enabled ? pal.color(QPalette::Active, QPalette::Highlight)
                              : pal.color(QPalette::Disabled, QPalette::Mid);
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, true);
  painter->setPen(fill.darker(140));
  painter->setBrush(fill);
  painter->drawRoundedRect(QRectF(thumb).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
  painter->restore();
}

}  // namespace lumo::editor
