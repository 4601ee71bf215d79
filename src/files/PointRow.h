#pragma once
// Point lines of reflectivity files: Q, R and dR on one line, optionally followed by a
// fourth number (the resolution dQ that many instruments write), which is not used.
// Reading a point per line, rather than numbers three at a time, keeps a file with an
// unexpected number of columns from turning into points made of pieces of lines.
#include <vector>

#include "files/TextItemReader.h"

namespace lumo::text {

struct PointRow {
  int line = 0;
  double q = 0, r = 0, dr = 0;
};

// The point of a line's numbers; any count but three or four is refused, naming the line.
PointRow pointRowOf(const std::vector<double>& numbers, int line);

// Reads the next point line (blank lines before it are skipped).
PointRow readPointRow(TextItemReader& reader, std::vector<double>& scratch);

}  // namespace lumo::text
