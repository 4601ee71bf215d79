// The native oxide on a bare silicon block measured in D2O: the thickness scan of the
// oxide must find the published 11 Å within 3 Å.
#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/TextItemReader.h"
#include "files/TextWriter.h"
#include "fitting/ParameterScan.h"

namespace lumo::fitting {
namespace {

constexpr double kBackground = 4e-6;
constexpr double kScale = 0.89;

// Reads "Q,R,dR" lines and writes them as a data file of the program's own format, with
// the background removed, then R and dR divided by the scale; points that fall to zero
// or below are dropped.
std::string preparedDataFile(const std::filesystem::path& measured, const test::ScratchDir& dir) {
  const std::string bytes = test::readBytes(measured.string());
  text::TextItemReader in(bytes);
  std::vector<DataPoint> points;
  while (!in.atEnd()) {
    DataPoint p{in.readNumber(), in.readNumber(), in.readNumber()};
    p.r = (p.r - kBackground) / kScale;
    p.dr /= kScale;
    if (p.r > 0) points.push_back(p);
  }
  text::TextWriter w;
  w.writeString("LUMO").endLine().writeString("Si D2O HEPES 20 mM").endLine();
  w.writeNumber(6.01).endLine().writeInteger(static_cast<long>(points.size())).endLine();
  for (const DataPoint& p : points)
    w.printNumber(p.q).printNumber(p.r).printNumber(p.dr).endLine();
  return dir.write("Si_D2O.VLD", w.text());
}

TEST(MeasuredOxide, ThicknessScanFindsTheNativeOxide) {
  LUMO_REQUIRE_TESTDATA(data);
  const auto measured = data / "measured" / "Si_D2O_HEPES_20mM.dat";
  if (!std::filesystem::exists(measured)) GTEST_SKIP() << measured << " not found";
  test::ScratchDir dir;

  DataStore store;
  const auto error = loadSlot(store, 1, preparedDataFile(measured, dir), PointCount::UntilEnd);
  ASSERT_FALSE(error) << error->message();
  convertForDisplay(store[1], false, false);
  store.NumDataSets = store.FirstCalcSet = store.LastCalcSet = 1;
  ASSERT_GT(store[1].NumPoints, 100);

  LayerModel model;
  model.NumLayers = 1;
  model.IncidentSLD = modelValueOf(ParameterFamily::SLD, 207);
  model.SolventSLD[1] = modelValueOf(ParameterFamily::SLD, 601);
  model.LayerSLD[1] = modelValueOf(ParameterFamily::SLD, 347);
  model.SolventFraction[1] = modelValueOf(ParameterFamily::Solvent, 5);
  model.Roughness[0] = 3;
  model.Roughness[1] = 2;
  model.Thickness[1] = 50;
  CalcOptions options;
  options.logY = false;

  FitWorkers ws;
  ParameterScan scan(ws, {model, store, options, ResidualMeasure::ChiSquared},
                     {ParameterFamily::Thickness, 1, {0, 30, 1}});
  ASSERT_EQ(runToEnd(scan), RunOutcome::Finished);
  const ParameterScanResult r = scan.result();
  EXPECT_NEAR(r.bestValue, 11, 3);
  EXPECT_TRUE(std::isfinite(r.bestTotal));
  EXPECT_EQ(r.trials, 31);
}

}  // namespace
}  // namespace lumo::fitting
