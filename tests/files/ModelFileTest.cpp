#include "files/ModelFile.h"

#include <gtest/gtest.h>

#include <variant>

namespace lumo {
namespace {

TEST(ModelFile, ReadsTheLayerLinesAndIgnoresTheCurve) {
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

}  // namespace
}  // namespace lumo
