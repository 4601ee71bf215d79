#include "plot/FigureExport.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace lumo {
namespace {

constexpr double kMmPerInch = 25.4;

std::string lowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

// The same file under another name (a link, "./"), or the same path of a file not yet there.
bool sameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error)) return true;
  return std::filesystem::weakly_canonical(a, error) == std::filesystem::weakly_canonical(b, error);
}

std::string mm(double v) {
  std::string t = std::to_string(static_cast<int>(v));
  return t + " mm";
}

}  // namespace

std::optional<FigureFormat> figureFormatOf(const std::string& path) {
  const std::string ext = lowerExtension(path);
  if (ext == ".svg") return FigureFormat::Svg;
  if (ext == ".pdf") return FigureFormat::Pdf;
  if (ext == ".png") return FigureFormat::Png;
  return std::nullopt;
}

const char* figureExtension(FigureFormat format) {
  switch (format) {
    case FigureFormat::Pdf: return "pdf";
    case FigureFormat::Png: return "png";
    default: return "svg";
  }
}

PixelSize figurePixels(const FigureSize& size) {
  const auto pixels = [&size](double v) {
    return std::max(1, static_cast<int>(std::lround(v / kMmPerInch * size.dpi)));
  };
  return {pixels(size.widthMm), pixels(size.heightMm)};
}

std::optional<std::string> checkFigureSize(const FigureSize& size, FigureFormat format) {
  const auto inRange = [](double v) { return v >= kMinFigureMm && v <= kMaxFigureMm; };
  if (!inRange(size.widthMm) || !inRange(size.heightMm))
    return "The width and the height must lie between " + mm(kMinFigureMm) + " and " +
           mm(kMaxFigureMm) + ".";
  if (size.dpi < kMinFigureDpi || size.dpi > kMaxFigureDpi)
    return "The resolution must lie between " + std::to_string(kMinFigureDpi) + " and " +
           std::to_string(kMaxFigureDpi) + " dpi.";
  const PixelSize px = figurePixels(size);
  if (format == FigureFormat::Png && std::max(px.width, px.height) > kMaxFigurePixels)
    return "A PNG of " + std::to_string(px.width) + " x " + std::to_string(px.height) +
           " pixels is too large: at most " + std::to_string(kMaxFigurePixels) +
           " pixels a side. Choose a smaller size or resolution.";
  return std::nullopt;
}

std::variant<FigureFile, std::string> planFigureFile(const std::string& path, const FigureSize& size,
                                                     const std::vector<std::string>& inputs) {
  for (const std::string& input : inputs)
    if (!input.empty() && sameFile(path, input))
      return path + " is an input of the figure and is never replaced by it.";
  const std::optional<FigureFormat> format = figureFormatOf(path);
  if (!format) return path + ": a figure is written as .svg, .pdf or .png.";
  if (const auto error = checkFigureSize(size, *format)) return *error;
  return FigureFile{path, *format, size};
}

}  // namespace lumo
