#pragma once
// The text of a model file as Save Fit writes it, in print style with CR LF line ends:
//
//   N
//   roughness 0
//   thickness; Tab(15); SLD; Tab(30); % solvent; Tab(45); roughness     (one per layer)
//   the count of curve lines
//   Q; Tab(15); calculated R [; Tab(30); measured R; Tab(45); its error]  (per point)
//
// Curve values are formatted "0.0000E+00" and are linear (Q in 1/Å, R as measured).
#include <string>
#include <vector>

#include "files/ModelScrollValues.h"

namespace lumo {

struct FitCurveLine {
  double q = 0, calcR = 0;
  double r = 0, dr = 0;  // the measured point, written only with the data
};

struct FitCurve {
  long count = 0;         // the count line: the data set's NumPoints, or the grid's size
  bool withData = false;  // "Save Data As Well"
  std::vector<FitCurveLine> lines;
};

std::string modelFileText(const ModelScrollValues& layers, const FitCurve& curve);

}  // namespace lumo
