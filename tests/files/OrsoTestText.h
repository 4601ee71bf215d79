#pragma once
// ORSO texts for tests: a current (1.0) header with four columns and data sets of points.
#include <string>
#include <vector>

#include "files/DataFile.h"
#include "files/NumberText.h"

namespace lumo::test {

inline const std::string kOrsoFirstLine =
    "# # ORSO reflectivity data file | 1.0 standard | YAML encoding | https://www.reflectometry.org/\n";

inline std::string orsoRows(const std::vector<DataPoint>& points) {
  std::string rows;
  for (const DataPoint& p : points) {
    rows.append(text::shortestDouble(p.q)).append(" ").append(text::shortestDouble(p.r)).append(" ");
    rows.append(text::shortestDouble(p.dr)).append(" ").append(text::shortestDouble(p.q * 0.02)).append("\n");
  }
  return rows;
}

// A file of the sample `sample` holding one data set per entry of `sets`.
inline std::string orsoFileText(const std::string& sample, const std::vector<std::vector<DataPoint>>& sets) {
  std::string text = kOrsoFirstLine;
  text.append("# data_source:\n#   sample:\n#     name: ").append(sample).append("\n");
  text.append("# data_set: 0\n# columns:\n# - {name: Qz, unit: 1/angstrom}\n# - {name: R, unit: '1'}\n");
  text.append("# - {error_of: R, error_type: uncertainty}\n# - {error_of: Qz, error_type: resolution}\n");
  for (size_t k = 0; k < sets.size(); ++k) {
    if (k > 0) text.append("# data_set: ").append(std::to_string(k)).append("\n");
    text.append(orsoRows(sets[k]));
  }
  return text;
}

}  // namespace lumo::test
