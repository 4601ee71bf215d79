// The engine against the public validation set of the reflectometry community, with
// the standard kinematics (sin θ = Qλ/(4π)) that the references use.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "EngineFixtures.h"
#include "TestSupport.h"
#include "model/ReflectivityEngine.h"

namespace lumo {
namespace {

struct Reference {
  LayerModel model;
  std::vector<double> q, r;
};

// testN.layers: one row per medium (thickness, SLD, imaginary SLD, roughness of the
// interface above it), incident medium first and solvent last.
Reference loadReference(const std::filesystem::path& folder, const std::string& name) {
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

// Calculates the reference's Q points in chunks of at most 512 and counts the points
// whose relative difference exceeds 2e-4 where the reference is at least 1e-10.
void expectAgreement(const Reference& ref) {
  ASSERT_GT(ref.q.size(), 100u);
  CalcOptions options;
  options.logY = false;
  options.exactQ = true;
  ReflectivityEngine engine;
  double worst = 0;
  size_t checked = 0;
  for (size_t start = 0; start < ref.q.size(); start += kMaxPoints) {
    const size_t end = std::min(ref.q.size(), start + kMaxPoints);
    DataStore store = test::storeWithQ({ref.q.begin() + static_cast<long>(start),
                                        ref.q.begin() + static_cast<long>(end)});
    engine.Prof_Calc_1(ref.model, store, options);
    engine.Prof_Calc_2(ref.model, store, options);
    for (size_t i = start; i < end; ++i) {
      if (ref.r[i] < 1e-10) continue;
      const double calc = store[1].CalcR[static_cast<int>(i - start) + 1];
      const double relative = std::abs(calc - ref.r[i]) / ref.r[i];
      worst = std::max(worst, relative);
      ++checked;
      EXPECT_LE(relative, 2e-4) << "Q = " << ref.q[i] << ": " << calc << " against " << ref.r[i];
    }
  }
  ::testing::Test::RecordProperty("worst_relative_difference", std::to_string(worst));
  std::cout << "  " << checked << " points checked, worst relative difference " << worst << "\n";
}

TEST(Validation, TwentyTitaniumNickelLayers) {
  LUMO_REQUIRE_TESTDATA(data);
  expectAgreement(loadReference(data / "validation", "test1"));
}

TEST(Validation, OneRoughInterface) {
  LUMO_REQUIRE_TESTDATA(data);
  expectAgreement(loadReference(data / "validation", "test2"));
}

}  // namespace
}  // namespace lumo
