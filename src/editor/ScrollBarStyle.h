#pragma once
// The look of the layer editor's scroll bars: the platform's style, with the thumb
// filled in a strong colour so that it stands out from the track at any size, and a
// shorter shortest thumb, which leaves more of a short track for dragging.
#include <QProxyStyle>

namespace lumo::editor {

class ScrollBarStyle : public QProxyStyle {
 public:
  // One instance for all the editor's scroll bars, owned by the application.
  static ScrollBarStyle* instance();

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
};

}  // namespace lumo::editor
