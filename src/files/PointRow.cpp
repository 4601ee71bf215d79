#include "files/PointRow.h"

#include <string>

namespace lumo::text {

PointRow pointRowOf(const std::vector<double>& numbers, int line) {
  if (numbers.size() != 3 && numbers.size() != 4)
    throw ReadError(line, "a point line holds Q, R and dR (and perhaps dQ); this one holds " +
                              std::to_string(numbers.size()) +
                              (numbers.size() == 1 ? " number" : " numbers"));
  return {line, numbers[0], numbers[1], numbers[2]};
}

PointRow readPointRow(TextItemReader& reader, std::vector<double>& scratch) {
  const int line = reader.readNumberRow(scratch);
  return pointRowOf(scratch, line);
}

}  // namespace lumo::text
