#pragma once
// Models and data stores shared by the engine tests.
#include <cmath>
#include <string>
#include <vector>

#include "files/DataSet.h"
#include "model/InstructionSet.h"
#include "model/LayerModel.h"

namespace lumo::test {

// A store whose slots 1..sets hold the given Q points on the data's own grid.
inline DataStore storeWithQ(const std::vector<double>& q, int sets = 1) {
  DataStore store;
  store.NumDataSets = sets;
  store.FirstCalcSet = 1;
  store.LastCalcSet = sets;
  for (int ds = 1; ds <= sets; ++ds) {
    DataSet& s = store[ds];
    s.NumPoints = static_cast<int>(q.size());
    for (int pt = 1; pt <= s.NumPoints; ++pt) s.DataQ[pt] = q[static_cast<size_t>(pt - 1)];
    s.DataFirst = 1;
    s.DataLast = s.NumPoints;
  }
  return store;
}

inline std::vector<double> evenQ(double q1, double q2, int n) {
  std::vector<double> q;
  for (int i = 0; i < n; ++i) q.push_back(q1 + i * (q2 - q1) / (n - 1));
  return q;
}

// A 20-layer model on silicon with four contrasts, every kind of value present: layers
// denser and lighter than both media (so real and imaginary wave numbers mix), zero
// thickness, zero and non-zero roughness, partial solvent.
inline LayerModel twentyLayerModel() {
  LayerModel m;
  m.NumLayers = 20;
  m.IncidentSLD = 2.07e-6f;
  const float contrasts[] = {0, 6.35e-6f, 4.0e-6f, 2.07e-6f, -0.56e-6f};
  for (int ds = 1; ds <= 4; ++ds) m.SolventSLD[ds] = contrasts[ds];
  m.Roughness[0] = 3.0f;
  for (int i = 1; i <= 20; ++i) {
    m.Thickness[i] = (i == 7) ? 0.0f : static_cast<float>(5 + (i * 7) % 30);
    m.LayerSLD[i] = static_cast<float>((-1.0 + (i * 13) % 10) * 1e-6);
    m.SolventFraction[i] = static_cast<float>((i * 17) % 60) / 100.0f;
    m.Roughness[i] = (i % 3 == 0) ? 0.0f : static_cast<float>(1 + i % 5);
  }
  return m;
}

// A kernel's name as a test name ("x86_64_v3").
inline std::string kernelTestName(InstructionSet set) {
  std::string name = nameOf(set);
  for (char& c : name)
    if (c == '-') c = '_';
  return name;
}

}  // namespace lumo::test
