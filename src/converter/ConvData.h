#pragma once
// The converter's working data: the points of the file read last, the title and the
// SLD that the outputs carry. One instance is owned by whoever runs a conversion.
#include <array>
#include <string>

namespace lumo::converter {

// The largest number of points a converted file may hold.
inline constexpr int kMaxConvPoints = 1024;
// The largest number of text items an ISIS or ILL file may hold.
inline constexpr int kMaxItems = 522;

struct ConvData {
  int ConvNumPoints = 0;
  // Indices 1..kMaxConvPoints; index 0 is never used.
  std::array<float, kMaxConvPoints + 1> ConvQ{};
  std::array<float, kMaxConvPoints + 1> ConvR{};
  std::array<float, kMaxConvPoints + 1> ConvdR{};
  // The resolution of Q (standard deviation) when the input gave it (ORSO files).
  std::array<float, kMaxConvPoints + 1> ConvdQ{};
  bool ConvHasdQ = false;
  std::string ConvTitle;
  float ConvSLD = 6.35f;
  // The file the points were read from last (empty before any).
  std::string sourcePath;

  // The state before each file of a run: no points, and the first 512 of each array
  // zeroed as the run does (the rest is never read while the count is below it).
  void clearPoints();
};

}  // namespace lumo::converter
