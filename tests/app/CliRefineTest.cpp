// lumo-cli refine: its refusals, and one run against the core refinement of the same
// contrasts, printed lines and written model file.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "TestSupport.h"
#include "app/Cli.h"
#include "app/CliRun.h"
#include "files/DataLoading.h"
#include "files/DisplayScale.h"
#include "files/ModelScrollValues.h"
#include "files/TextWriter.h"
#include "fitting/RefineFixtures.h"
#include "fitting/RefineReport.h"

namespace lumo::cli {
namespace {

using Args = std::vector<std::string>;

std::string contrastName(int ds) {
  std::string name = "c";
  name += static_cast<char>('0' + ds);
  return name + ".VLD";
}

// Contrast `ds` of the noise-free refinement problem as a data file of the program's own
// format, R and dR linear.
std::string contrastFile(const test::ScratchDir& dir, int ds) {
  const test::RefineProblem p = test::refineProblem();
  const DataSet& s = p.store[ds];
  text::TextWriter w;
  w.writeString("LUMO").endLine().writeString("contrast").endLine();
  w.writeNumber(0.0).endLine().writeInteger(s.NumPoints).endLine();
  for (int pt = 1; pt <= s.NumPoints; ++pt)
    w.printNumber(s.DataQ[pt]).printNumber(std::pow(10.0, s.DataR[pt])).printNumber(s.DataErr[pt]).endLine();
  return dir.write(contrastName(ds), w.text());
}

// The truth's layers with layer 1's thickness and SLD and roughness 0 moved away.
const std::string kStart =
    "3\r\n10\r\n40 0.5 5 3\r\n37 1 20 2\r\n30 5 0 5\r\n";

Args refineArgs(const test::ScratchDir& dir, const std::string& out) {
  return {"refine", dir.write("start.FIT", kStart), "--data", contrastFile(dir, 1), "--solvent-sld", "6.35",
          "--data", contrastFile(dir, 2), "--solvent-sld", "-0.56", "--incident-sld", "2.07",
          "--vary", "thickness:1,sld:1,roughness:0=0..20", "--measure", "chi2", "--seed", "1", "-o", out};
}

TEST(CliRefine, PrintsWhatTheCoreRefinementFindsAndWritesTheModel) {
  test::ScratchDir dir;
  const std::string out = (dir.path() / "out.FIT").string();
  const Outcome o = runCli(refineArgs(dir, out));
  ASSERT_EQ(kExitOk, o.status) << o.err;

  // The same contrasts as the command loads them, refined by the core.
  DataStore store;
  for (int ds = 1; ds <= 2; ++ds) {
    ASSERT_FALSE(loadSlot(store, ds, (dir.path() / contrastName(ds)).string(),
                          PointCount::UntilEnd));
    convertForDisplay(store[ds], false, true);
  }
  store.NumDataSets = store.LastCalcSet = 2;
  LayerModel model = test::refineTruth();
  model.SolventSLD[3] = 0;
  model.Thickness[1] = 40;
  model.LayerSLD[1] = fitting::modelValueOf(fitting::ParameterFamily::SLD, 50);
  model.Roughness[0] = 10;
  fitting::RefineRequest request;
  request.parameters = {{fitting::ParameterFamily::Thickness, 1, {0, 50, 1}},
                        {fitting::ParameterFamily::SLD, 1, {-100, 800, 1}},
                        {fitting::ParameterFamily::Roughness, 0, {0, 20, 1}}};
  fitting::FitWorkers workers(1);
  fitting::Refinement core(workers, {model, store, CalcOptions{}, ResidualMeasure::ChiSquared}, request);
  fitting::runToEnd(core);
  std::string expected;
  for (const std::string& line : fitting::reportLines(core.result())) expected += line + "\n";
  EXPECT_EQ(expected, o.out);
  EXPECT_NE(std::string::npos, o.out.find("Thickness Layer 1  12 ± ")) << o.out;

  const auto written = readModelScrollValues(out);
  ASSERT_TRUE(std::holds_alternative<ModelScrollValues>(written));
  const ModelScrollValues& v = std::get<ModelScrollValues>(written);
  EXPECT_EQ(12, v.layers[1].thickness);
  EXPECT_EQ(347, v.layers[1].sld);
  EXPECT_EQ(4, v.roughness0);
  EXPECT_EQ(37, v.layers[2].thickness) << "parameters not varied stay as they were";
}

TEST(CliRefine, RefusesWrongUsageWithStatusTwo) {
  test::ScratchDir dir;
  const std::string out = (dir.path() / "out.FIT").string();
  const Args good = refineArgs(dir, out);
  const auto refused = [&](Args args, const std::string& reason) {
    const Outcome o = runCli(args);
    EXPECT_EQ(kExitUsage, o.status) << reason;
    EXPECT_NE(std::string::npos, o.err.find(reason)) << o.err;
    EXPECT_TRUE(o.out.empty());
  };
  const auto with = [&](const std::string& option, const std::string& value) {
    Args args = good;
    for (size_t i = 0; i + 1 < args.size(); ++i)
      if (args[i] == option) args[i + 1] = value;
    return args;
  };
  refused(with("--vary", "width:1"), "unknown parameter 'width'");
  refused(with("--vary", "thickness:4"), "names no layer of the model");
  refused(with("--vary", "thickness:1,thickness:1"), "is named twice");
  refused(with("--vary", "sld:1=5..2"), "needs MIN below MAX");
  refused(with("--vary", "sld"), "needs NAME:LAYER");
  refused(with("--measure", "abs"), "--measure needs chi2 or ls");
  refused(with("--seed", "-3"), "--seed needs a whole number");
  Args unpaired = good;
  unpaired.erase(unpaired.begin() + 4, unpaired.begin() + 6);  // the first --solvent-sld
  refused(unpaired, "each with its --solvent-sld");
  refused(with("-o", (dir.path() / "start.FIT").string()), "would replace the input");
  EXPECT_FALSE(std::filesystem::exists(out));

  Args missing = with("--data", (dir.path() / "none.VLD").string());
  EXPECT_EQ(kExitBadFile, runCli(missing).status);
}

}  // namespace
}  // namespace lumo::cli
