#pragma once
// What a figure export writes: the file's format from its extension, its size and
// resolution, checked before anything is drawn, and the output planned so that no input
// of the figure is ever replaced.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace lumo {

enum class FigureFormat { Svg, Pdf, Png };

// The figure's size on paper and the resolution it is drawn at: the PNG's pixels, the
// SVG's pixel size and the PDF's resolution for its vectors.
struct FigureSize {
  double widthMm = 160, heightMm = 110;
  int dpi = 300;
};

inline constexpr double kMinFigureMm = 30, kMaxFigureMm = 1000;
inline constexpr int kMinFigureDpi = 50, kMaxFigureDpi = 2400;
inline constexpr int kMaxFigurePixels = 8000;  // a side of a PNG: at most 256 MB while it is drawn

struct PixelSize {
  int width = 0, height = 0;
};

// The format a path's extension names (.svg, .pdf, .png in any case), or nothing.
std::optional<FigureFormat> figureFormatOf(const std::string& path);
const char* figureExtension(FigureFormat format);

// The size in pixels at the figure's resolution (rounded, at least 1).
PixelSize figurePixels(const FigureSize& size);

// Why the size cannot be drawn in `format` (a sentence for the user), or nothing.
std::optional<std::string> checkFigureSize(const FigureSize& size, FigureFormat format);

// A planned output: the path, its format and the size, all checked.
struct FigureFile {
  std::string path;
  FigureFormat format = FigureFormat::Svg;
  FigureSize size;
};

// Plans the file `path` for a figure drawn from `inputs` (data and model files): a
// message (naming the file) when its extension names no figure format, the size cannot
// be drawn, or it is one of the inputs.
std::variant<FigureFile, std::string> planFigureFile(const std::string& path, const FigureSize& size,
                                                     const std::vector<std::string>& inputs);

}  // namespace lumo
