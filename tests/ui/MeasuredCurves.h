#pragma once
// The team's measured curves ("Q,R,dR" per line) written in the program's own data
// format into a scratch folder, for tests that load real data.
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SessionFixture.h"

namespace lumo::test {

// Writes `measuredName` (a file of the shared measured folder) as "<measuredName>.vld",
// with the instrument's background removed from R and then R and dR divided by its
// scale; points that fall to zero or below are dropped.
inline std::string convertMeasured(const std::filesystem::path& measured, const ScratchDir& dir,
                                   const std::string& measuredName, double solventSLD,
                                   double background = 0, double scale = 1) {
  std::vector<DataPoint> points;
  std::ifstream in(measured / measuredName);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    DataPoint p;
    char comma = 0;
    if (!(fields >> p.q >> comma >> p.r >> comma >> p.dr)) continue;
    p.r = (p.r - background) / scale;
    p.dr /= scale;
    if (p.r > 0) points.push_back(p);
  }
  std::string title = measuredName.substr(0, measuredName.rfind('.'));
  std::replace(title.begin(), title.end(), '_', ' ');
  return dir.write(cat(measuredName, ".vld"), dataFileText(title, solventSLD, points));
}

// One oxide layer (SLD 3.47, 5 % solvent) on silicon, "Roughness Layer 0" 3 Å and the
// layer's roughness 2 Å: the model of the measured silicon blocks.
inline void putOxideModel(ui::MainSession& s) {
  s.setScrollValue(sldBar(1), 347);
  s.setScrollValue(solventBar(1), 5);
  s.setScrollValue(roughnessBar(0), 3);
  s.setScrollValue(roughnessBar(1), 2);
}

}  // namespace lumo::test
