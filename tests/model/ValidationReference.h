#pragma once
// The public validation set of the reflectometry community, read as our layer model.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/LayerModel.h"

namespace lumo::test {

struct Reference {
  LayerModel model;
  std::vector<double> q, r;
};

// testN.layers: one row per medium (thickness, SLD, imaginary SLD, roughness of the
// interface above it), incident medium first and solvent last.
inline Reference loadReference(const std::filesystem::path& folder, const std::string& name) {
  Reference ref;
  std::ifstream layers(folder / (name + ".layers"));
  std::vector<std::vector<double>> rows;
  for (std::string line; std::getline(layers, line);) {
    std::istringstream in(line);
    std::vector<double> row;
    for (double v; in >> v;) row.push_back(v);
    if (row.size() == 4) rows.push_back(row);
  }
  const int n = static_cast<int>(rows.size()) - 2;
  ref.model.NumLayers = n;
  ref.model.IncidentSLD = static_cast<float>(rows.front()[1] * 1e-6);
  ref.model.SolventSLD[1] = static_cast<float>(rows.back()[1] * 1e-6);
  for (int i = 1; i <= n; ++i) {
    ref.model.Thickness[i] = static_cast<float>(rows[static_cast<size_t>(i)][0]);
    ref.model.LayerSLD[i] = static_cast<float>(rows[static_cast<size_t>(i)][1] * 1e-6);
  }
  for (int j = 1; j <= n + 1; ++j)  // row j+1 (1-based) holds the roughness of interface j-1
    ref.model.Roughness[static_cast<size_t>(j - 1)] = static_cast<float>(rows[static_cast<size_t>(j)][3]);
  std::ifstream data(folder / (name + ".dat"));
  for (double q, r; data >> q >> r;) {
    ref.q.push_back(q);
    ref.r.push_back(r);
  }
  return ref;
}

// A reference curve file with the resolution of each point: Q, R, 0 and σ of Q per line.
struct SmearedReference {
  std::vector<double> q, r, sigma;
};
inline SmearedReference loadSmearedReference(const std::filesystem::path& file) {
  SmearedReference ref;
  std::ifstream data(file);
  for (std::string line; std::getline(data, line);) {
    std::istringstream in(line);
    double q, r, zero, sigma;
    if (!(in >> q >> r >> zero >> sigma)) continue;
    ref.q.push_back(q);
    ref.r.push_back(r);
    ref.sigma.push_back(sigma);
  }
  return ref;
}

}  // namespace lumo::test
