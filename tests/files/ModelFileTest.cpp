#include "files/ModelFile.h"

#include <gtest/gtest.h>

#include <variant>

namespace lumo {
namespace {

TEST(ModelFile, ReadsTheLayerLinesAndTheCurve) {
  const std::string text =
      " 2 \r\n 3 \r\n 14            3.4            25             2 \r\n"
      " 10.5          -.56           0              4 \r\n"
      " 2 \r\n 1.0000E-02    9.0000E-01\r\n 2.0000E-02    1.0000E-01\r\n";
  ModelFileResult result = parseModelFile(text, "m.FIT");
  ASSERT_TRUE(std::holds_alternative<ModelFileContents>(result));
  const auto& c = std::get<ModelFileContents>(result);
  EXPECT_EQ(c.numLayers, 2);
  EXPECT_EQ(c.roughness0, 3);
  EXPECT_EQ(c.layers[1].thickness, 10.5);
  EXPECT_EQ(c.layers[1].sld, -0.56);
  EXPECT_EQ(c.curve.announcedCount, 2);
  ASSERT_EQ(c.curve.points.size(), 2u);
  EXPECT_EQ(c.curve.points[1].line, 7);
  EXPECT_EQ(c.curve.points[1].q, 0.02);
  EXPECT_EQ(c.curve.points[1].r, 0.1);
  EXPECT_FALSE(c.curve.points[1].hasMeasured);
  EXPECT_EQ(c.curve.problem, "");

  LayerModel model;
  applyLayerRows(c, model);
  EXPECT_EQ(model.NumLayers, 2);
  EXPECT_EQ(model.Roughness[0], 3.0f);
  EXPECT_EQ(model.LayerSLD[1], static_cast<float>(3.4e-6));
  EXPECT_EQ(model.SolventFraction[1], 0.25f);
  EXPECT_EQ(model.Thickness[2], 10.5f);
  EXPECT_EQ(model.Roughness[2], 4.0f);
}

TEST(ModelFile, RefusesBadLayerCountsAndShortFiles) {
  for (const std::string bad : {" 0 \r\n 3 \r\n", " 21 \r\n", " 2.5 \r\n", " 2 \r\n 3 \r\n 1 2 3 4 \r\n",
                                "x\r\n"}) {
    ModelFileResult result = parseModelFile(bad, "m.FIT");
    EXPECT_TRUE(std::holds_alternative<ModelFileError>(result)) << bad;
  }
}

// The curve a model file holds: the lines that are there up to the count (a trimmed point
// range announces more), with the measured columns when saved; a faulty curve is only
// noted, as the layer lines still make the model.
TEST(ModelFile, CurvesOfEveryShape) {
  const std::string layers = " 1 \r\n 0 \r\n 10            2.07          0             3 \r\n";
  struct Case {
    std::string curve;
    size_t points;
    const char* problem;
  };
  const Case cases[] = {
      {" 512 \r\n 1.0000E-02    9.1000E-01 \r\n 2.0000E-02    4.5000E-01 \r\n", 2, ""},
      {" 1 \r\n .01 .9 .8 .05 \r\n .02 .5 .4 .02 \r\n", 1, ""},
      {" 0 \r\n", 0, ""},
      {"", 0, "line 4: the file ends before its curve"},
      {" 2 \r\n .01 .9 .8 \r\n", 0, "line 5: a curve line holds Q and R"},
      {" 2.5 \r\n", 0, "line 4: the curve's point count 2.5 is not a whole number"},
      {" 2 \r\n .01 x \r\n", 0, "line 5: expected a number"}};
  for (const Case& c : cases) {
    const ModelFileResult result = parseModelFile(layers + c.curve, "m.FIT");
    ASSERT_TRUE(std::holds_alternative<ModelFileContents>(result)) << c.curve;
    const ModelCurve& curve = std::get<ModelFileContents>(result).curve;
    EXPECT_EQ(curve.points.size(), c.points) << c.curve;
    EXPECT_EQ(curve.problem.substr(0, std::string(c.problem).size()), c.problem);
    EXPECT_EQ(curve.problem.empty(), *c.problem == '\0') << curve.problem;
  }
  const ModelFileResult measured = parseModelFile(layers + cases[1].curve, "m.FIT");
  const ModelCurvePoint& p = std::get<ModelFileContents>(measured).curve.points[0];
  EXPECT_TRUE(p.hasMeasured && p.measuredR == 0.8 && p.measuredErr == 0.05);
}

}  // namespace
}  // namespace lumo
