#include "files/OrsoReader.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "TestSupport.h"

namespace lumo {
namespace {

const std::string kFirst =
    "# # ORSO reflectivity data file | 1.0 standard | YAML encoding | https://www.reflectometry.org/\n";
const std::string kCurrentColumns =
    "# columns:\n"
    "# - {name: Qz, unit: 1/angstrom, physical_quantity: normal momentum transfer}\n"
    "# - {name: R, unit: '1', physical_quantity: specular reflectivity}\n"
    "# - {error_of: R, error_type: uncertainty, value_is: sigma}\n"
    "# - {error_of: Qz, error_type: resolution, value_is: sigma}\n";

std::string orsoText(const std::string& columns, const std::string& rows,
                     const std::string& sample = "# data_source:\n#   sample:\n#     name: Si block\n") {
  return kFirst + sample + columns + "# # Qz R sR sQz\n" + rows;
}

std::vector<DataFileContents> sets(const std::string& text) {
  DataFileSetsResult result = parseOrsoFile(text, "/data/run7.ort");
  if (auto* e = std::get_if<DataFileError>(&result)) {
    ADD_FAILURE() << e->message();
    return {};
  }
  return std::get<std::vector<DataFileContents>>(result);
}

std::string refusal(const std::string& text) {
  DataFileSetsResult result = parseOrsoFile(text, "/data/run7.ort");
  if (!std::holds_alternative<DataFileError>(result)) return "accepted";
  return std::get<DataFileError>(result).message();
}

TEST(OrsoReader, ReadsColumnsByTheirHeaderWithCommentsAndAnyLineEnds) {
  // CR LF, a comment among the data, a blank line and no final line end.
  std::string rows = "0.01 0.9 0.01 0.0005\r\n# # a comment\r\n\r\n 2e-2\t0.5  0.02 0.001";
  std::string text;
  for (char c : orsoText(kCurrentColumns, rows)) {
    if (c == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
    text += c;
  }
  const auto read = sets(text);
  ASSERT_EQ(read.size(), 1u);
  const DataFileContents& c = read[0];
  EXPECT_EQ(c.title, "Si block");
  EXPECT_FALSE(c.solventKnown);
  ASSERT_EQ(c.points.size(), 2u);
  EXPECT_EQ(c.points[1].q, 0.02);
  EXPECT_EQ(c.points[1].r, 0.5);
  EXPECT_EQ(c.points[1].dr, 0.02);
  ASSERT_EQ(c.resolution.size(), 2u);
  EXPECT_EQ(c.resolution[1], 0.001);
  // Three columns: no resolution; no sample name: the file's name is the title.
  const std::string three = "# columns:\n# - {name: Qz, unit: 1/angstrom}\n# - {name: R}\n# - {name: sR}\n";
  const auto plain = sets(orsoText(three, "0.01 0.9 0.01\n", ""));
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_TRUE(plain[0].resolution.empty());
  EXPECT_EQ(plain[0].title, "run7");
}

TEST(OrsoReader, ConvertsUnitsToInverseAngstromAndSigma) {
  struct Case {
    const char* columns;
    double q, dr, dq;
  };
  const Case cases[] = {
      {"# - {name: Qz, unit: 1/nm}\n# - {name: R}\n# - {name: sR}\n# - {name: sQz}\n", 0.01, 0.02, 0.0001},
      {"# - {name: Qz, unit: 1/nm}\n# - {name: R}\n# - {name: sR}\n# - {name: sQz, unit: 1/angstrom}\n",
       0.01, 0.02, 0.001},
      {"# - {name: Qz, unit: 1/angstrom}\n# - {name: R}\n# - {error_of: R, value_is: FWHM}\n"
       "# - {error_of: Qz, value_is: FWHM}\n",
       0.1, 0.02 / 2.3548200450309493, 0.001 / 2.3548200450309493},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.columns);
    const auto read = sets(orsoText(std::string("# columns:\n") + k.columns, "0.1 0.5 0.02 0.001\n"));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_DOUBLE_EQ(read[0].points[0].q, k.q);
    EXPECT_DOUBLE_EQ(read[0].points[0].dr, k.dr);
    EXPECT_DOUBLE_EQ(read[0].resolution[0], k.dq);
  }
}

TEST(OrsoReader, SeveralDataSetsTakeWhatTheyLeaveOutFromTheFirstHeader) {
  const std::string text = orsoText(kCurrentColumns,
                                    "0.01 0.9 0.01 0.0005\n"
                                    "# data_set: spin_down\n"
                                    "0.01 0.8 0.01 0.0005\n0.02 0.4 0.01 0.0005\n"
                                    "# data_set: 3\n# columns:\n# - {name: Qz, unit: 1/nm}\n"
                                    "# - {name: R}\n# - {name: sR}\n"
                                    "0.1 0.7 0.01\n");
  const auto read = sets(text);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].title, "Si block (1)");
  EXPECT_EQ(read[1].title, "Si block (spin_down)");
  EXPECT_EQ(read[1].points.size(), 2u);
  EXPECT_EQ(read[1].entry, 1);
  EXPECT_EQ(read[1].resolution.size(), 2u);
  EXPECT_DOUBLE_EQ(read[2].points[0].q, 0.01);
  EXPECT_TRUE(read[2].resolution.empty());
}

TEST(OrsoReader, RefusesNamingTheFileAndTheField) {
  const std::string q = "# - {name: Qz, unit: 1/angstrom}\n";
  const std::string r = "# - {name: R}\n";
  const std::string sr = "# - {name: sR}\n";
  struct Case {
    std::string text;
    const char* field;
  };
  const Case cases[] = {
      {orsoText("# columns:\n" + r + sr, "0.5 0.1\n"), "no column \"Qz\""},
      {orsoText("# columns:\n" + q + sr, "0.5 0.1\n"), "no column \"R\""},
      {orsoText("# columns:\n" + q + r, "0.5 0.1\n"), "no column \"sR\""},
      {orsoText("", "0.5 0.1 0.1\n"), "no \"columns\" list"},
      {orsoText("# columns:\n# - {name: Qz}\n" + r + sr, "0.1 0.5 0.1\n"), "Qz has no unit"},
      {orsoText("# columns:\n# - {name: Qz, unit: 1/m}\n" + r + sr, "0.1 0.5 0.1\n"), "unit of Qz"},
      {orsoText("# columns:\n" + q + "# - {name: R, unit: '%'}\n" + sr, "0.1 0.5 0.1\n"), "unit of R"},
      {orsoText("# columns:\n" + q + r + "# - {name: sR, value_is: FWHW}\n", "0.1 0.5 0.1\n"), "value_is of sR"},
      {orsoText("# columns: [\n", "0.1 0.5 0.1\n"), "not valid YAML"},
      {orsoText("# columns:\n" + q + r + sr, "0.1 0.5\n"), "line 10"},
      {orsoText("# columns:\n" + q + r + sr, "0.1 0.5 x\n"), "line 10: expected a number"},
      {orsoText("# columns:\n" + q + r + sr, "0.1 0.5 0.1 0.2\n"), "line 10"},
      {orsoText("# columns:\n" + q + r + sr, ""), "no data lines"},
      {orsoText("# columns:\n" + q + r + sr, "0.1 0.5 0.1\n# data_set: b\n"), "data set 2 holds no"},
      {orsoText("# columns:\n" + q + r + sr, "0.1 0.5 0.1\n# columns: 7\n0.1 0.5 0.1\n"), "data set 2: "},
      {"# # ORSO nothing\n0.1 0.5 0.1\n", "does not start with"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    const std::string message = refusal(k.text);
    EXPECT_NE(message.find("/data/run7.ort"), std::string::npos) << message;
    EXPECT_NE(message.find(k.field), std::string::npos) << message;
  }
  std::string many = orsoText("# columns:\n" + q + r + sr, "");
  for (int i = 0; i <= kMaxPoints; ++i) many += "0.1 0.5 0.1\n";
  EXPECT_NE(refusal(many).find("more than 512 points"), std::string::npos);
  std::string longHeader = orsoText("# columns:\n" + q + r + sr, "0.1 0.5 0.1\n");
  std::string remarks;
  for (int i = 0; i < 4000; ++i) remarks += "# # a remark of some eighty characters, repeated to make the header long ....\n";
  longHeader.insert(kFirst.size(), remarks);
  EXPECT_NE(refusal(longHeader).find("the header runs past 256 KB"), std::string::npos);
}

TEST(OrsoReader, ReadsTheSharedRealFiles) {
  LUMO_REQUIRE_TESTDATA(data);
  DataFileSetsResult amor = readDataFileSets((data / "orso/amor_prist5_10K.ort").string(), PointCount::UntilEnd);
  ASSERT_TRUE(std::holds_alternative<std::vector<DataFileContents>>(amor));
  const auto& measured = std::get<std::vector<DataFileContents>>(amor);
  ASSERT_EQ(measured.size(), 1u);
  EXPECT_EQ(measured[0].title, "prist4");
  ASSERT_EQ(measured[0].points.size(), 79u);
  EXPECT_DOUBLE_EQ(measured[0].points.front().q, 0.0022);
  EXPECT_EQ(measured[0].points[1].r, 0.0);  // a zero reflectivity, placed as a placeholder later
  EXPECT_EQ(measured[0].resolution.size(), 79u);

  DataFileSetsResult two = readDataFileSets((data / "orso/two_data_sets.ort").string(), PointCount::UntilEnd);
  ASSERT_TRUE(std::holds_alternative<std::vector<DataFileContents>>(two));
  const auto& spins = std::get<std::vector<DataFileContents>>(two);
  ASSERT_EQ(spins.size(), 2u);
  EXPECT_EQ(spins[0].title, "Ni1000 (spin_up)");
  EXPECT_EQ(spins[0].points.size(), 2u);
  EXPECT_EQ(spins[1].title, "Ni1000 (spin_down)");
  EXPECT_EQ(spins[1].points.size(), 4u);
}

}  // namespace
}  // namespace lumo
