#pragma once
// The team's measured curves ("Q,R,dR" per line) written in the program's own data
// format into a scratch folder, for tests that load real data.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SessionFixture.h"

namespace lumo::test {

inline std::vector<DataPoint> readQRdR(const std::filesystem::path& file) {
  std::vector<DataPoint> points;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    DataPoint p;
    char comma = 0;
    if (fields >> p.q >> comma >> p.r >> comma >> p.dr) points.push_back(p);
  }
  return points;
}

// Writes `measuredName` (a file of the shared measured folder) as "<measuredName>.vld".
inline std::string convertMeasured(const std::filesystem::path& measured, const ScratchDir& dir,
                                   const std::string& measuredName, double solventSLD) {
  const auto points = readQRdR(measured / measuredName);
  std::string title = measuredName.substr(0, measuredName.rfind('.'));
  for (char& c : title)
    if (c == '_') c = ' ';
  return dir.write(cat(measuredName, ".vld"), dataFileText(title, solventSLD, points));
}

}  // namespace lumo::test
