#pragma once
// What a plot surface records: lines, circles, polylines and texts in the surface's
// logical coordinates (0,0 top-left, y growing downwards). The widget paints them scaled
// to its size; printing and bitmap export paint the same lists.
#include <string>
#include <variant>
#include <vector>

namespace lumo {

struct LogicalPoint {
  double x = 0, y = 0;
};

struct LinePrimitive {
  LogicalPoint from, to;
  int colour = 0;  // standard colour number
};

// A circle whose radius is given in logical x units, so it stays round on a surface
// scaled differently in x and y.
struct CirclePrimitive {
  LogicalPoint centre;
  double radius = 0;
  int colour = 0;
};

// Consecutive points joined by straight segments, `width` pixels wide.
struct PolylinePrimitive {
  std::vector<LogicalPoint> points;
  int colour = 0;
  double width = 1;
};

// Which point of the text's box sits at the anchor.
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

// A label on the surface. Its size is the painter's (fonts are in pixels), so the
// anchor rules stand in for the label width arithmetic of the layout.
enum class TextRole { Title, XTick, YTick, Background, Residual, Legend };

struct TextPrimitive {
  LogicalPoint anchor;
  std::string text;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  TextRole role = TextRole::Title;
  int colour = 0;
  // Lines of text between the anchor and the text's box, for labels stacked under one
  // another whatever the font's size.
  int linesBelow = 0;
};

using PlotPrimitive =
    std::variant<LinePrimitive, CirclePrimitive, PolylinePrimitive, TextPrimitive>;
using PrimitiveList = std::vector<PlotPrimitive>;

}  // namespace lumo
