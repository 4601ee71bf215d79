#pragma once
// What the reader of ORSO files takes from the YAML header of one data set: where Qz, R,
// its uncertainty and the resolution of Qz stand among the columns, the factors that bring
// them to Å^-1 and standard deviations, and the names for the title.
#include <string>

#include <yaml-cpp/yaml.h>

namespace lumo::orso {

// Why a file is refused; the message names the field at fault.
struct Refusal {
  std::string reason;
};

// More columns than any reflectivity file describes; a header with more is refused.
inline constexpr int kMaxColumns = 64;

struct Layout {
  int columns = 0;                     // values on every data line
  int q = -1, r = -1, dr = -1, dq = -1;  // column indices; dq is -1 when there is none
  double qScale = 1, drScale = 1, dqScale = 1;
  std::string sampleName;  // data_source.sample.name, empty when missing
  std::string setName;     // data_set, empty when missing
};

// Interprets the header of one data set. A data set after the first carries only what
// differs from the first one's header; whatever it leaves out is taken from `first`.
Layout layoutOf(const YAML::Node& own, const YAML::Node& first);

}  // namespace lumo::orso
