#include "files/ModelFileWriter.h"

#include <gtest/gtest.h>

#include <variant>

#include "files/ModelFile.h"

namespace lumo {
namespace {

ModelScrollValues twoLayers() {
  ModelScrollValues m;
  m.numLayers = 2;
  m.roughness0 = 3;
  m.layers[1] = {14, 340, 25, 2};
  m.layers[2] = {120, -56, 0, 4};
  return m;
}

// The layout written out by hand from the rules: print style numbers (a blank before a
// non-negative one, one behind every number), Tab(15/30/45), "0.0000E+00" curve values.
TEST(ModelFileWriter, WritesThePrintedLayoutByteForByte) {
  FitCurve curve;
  curve.count = 3;
  curve.lines = {{0.01, 0.9}, {0.0205, 1.23456e-7}};
  EXPECT_EQ(modelFileText(twoLayers(), curve),
            " 2 \r\n"
            " 3 \r\n"
            " 14            3.4            25             2 \r\n"
            " 120          -.56            0              4 \r\n"
            " 3 \r\n"
            "1.0000E-02    9.0000E-01\r\n"
            "2.0500E-02    1.2346E-07\r\n");

  curve.withData = true;
  curve.lines = {{0.01, 0.9, 0.875, -0.05}};
  EXPECT_TRUE(modelFileText(twoLayers(), curve)
                  .ends_with(" 3 \r\n1.0000E-02    9.0000E-01     8.7500E-01     -5.0000E-02\r\n"));
}

// What the writer writes, the reader reads back as the same scroll values.
TEST(ModelFileWriter, LayerLinesReadBackAsTheSameScrollValues) {
  const std::string text = modelFileText(twoLayers(), FitCurve{});
  const ModelFileResult read = parseModelFile(text, "m.FIT");
  ASSERT_TRUE(std::holds_alternative<ModelFileContents>(read));
  const ModelScrollResult values = scrollValuesOf(std::get<ModelFileContents>(read), "m.FIT");
  ASSERT_TRUE(std::holds_alternative<ModelScrollValues>(values));
  EXPECT_EQ(std::get<ModelScrollValues>(values), twoLayers());
}

// Values round to whole scroll values with halves to even; one beyond 16 bits is
// refused naming its line.
TEST(ModelFileWriter, ScrollValuesRoundHalvesToEvenAndRefuseMoreThanSixteenBits) {
  const auto read = [](const std::string& text) {
    return scrollValuesOf(std::get<ModelFileContents>(parseModelFile(text, "m.FIT")), "m.FIT");
  };
  const ModelScrollResult ok = read(" 1 \r\n 2.5 \r\n 12.5  2.074  13.5  0.5 \r\n 0 \r\n");
  ASSERT_TRUE(std::holds_alternative<ModelScrollValues>(ok));
  const ModelScrollValues& v = std::get<ModelScrollValues>(ok);
  EXPECT_EQ(v.roughness0, 2);
  EXPECT_EQ(v.layers[1], (LayerScrollValues{12, 207, 14, 0}));

  for (const char* bad : {" 1 \r\n 0 \r\n 1  327.68  0  0 \r\n", " 1 \r\n 40000 \r\n 1 1 1 1 \r\n"}) {
    const ModelScrollResult r = read(bad);
    ASSERT_TRUE(std::holds_alternative<ModelFileError>(r)) << bad;
    const std::string expected = std::string(bad).find("40000") != std::string::npos ? "line 2" : "line 3";
    EXPECT_NE(std::get<ModelFileError>(r).detail.find(expected), std::string::npos)
        << std::get<ModelFileError>(r).detail;
  }
}

}  // namespace
}  // namespace lumo
