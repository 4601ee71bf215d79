#pragma once
// The sixteen standard colours by number, as the program's labels and plots use them:
// 0 black (calculated curves, X axis, normal labels), 1 dark blue (measured data, labels
// that can be clicked in automatic fitting), 4 red (a label being scanned or selected).
#include <array>
#include <cstdint>

namespace lumo {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

namespace colour {
inline constexpr int Black = 0;
inline constexpr int DarkBlue = 1;
inline constexpr int Red = 4;
// The surface's own foreground colour (black on the main window's plots).
inline constexpr int Foreground = 0;
// Beyond the sixteen: a shade darker than colour 2 (dark green), for a calculated curve
// over green data.
inline constexpr int DeepGreen = 16;
}  // namespace colour

inline constexpr std::array<Rgb, 16> kStandardColours{{
    {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
    {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
    {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
    {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
}};

// The colour of a standard colour number (or colour::DeepGreen); other numbers read as
// black.
inline Rgb standardColour(int number) {
  if (number == colour::DeepGreen) return {0, 64, 0};
  return number >= 0 && number < 16 ? kStandardColours[static_cast<size_t>(number)] : Rgb{};
}

}  // namespace lumo
