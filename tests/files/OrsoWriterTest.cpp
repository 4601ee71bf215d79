#include "files/OrsoWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include <yaml-cpp/yaml.h>

#include "files/OrsoReader.h"

namespace lumo::orso {
namespace {

Columns someColumns(bool withResolution, bool single) {
  Columns c;
  c.singlePrecision = single;
  for (int i = 0; i < 5; ++i) {
    const double q = 0.01 + 0.0123456789012345 * i;
    c.q.push_back(single ? static_cast<float>(q) : q);
    c.r.push_back(single ? static_cast<float>(std::exp(-40 * q)) : std::exp(-40 * q));
    c.dr.push_back(single ? static_cast<float>(1e-3 / 3) : 1e-3 / 3);
    if (withResolution) c.dq.push_back(q * 0.025);
  }
  c.r[2] = 0.0;
  return c;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  for (size_t start = 0; start < text.size();) {
    const size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    out.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

// The published rules of ORSO 1.0 text files: the first line, the header behind "# " as a
// YAML mapping with the required sections, the columns Qz (1/angstrom), R, then the error
// columns, and data lines of as many numbers as there are columns.
TEST(OrsoWriter, FilesFollowTheFormatsRules) {
  for (bool withResolution : {false, true}) {
    const Provenance p{"Si in D2O", "run7.dat", "NIST Data", "2024-05-01T10:00:00+02:00"};
    const std::vector<std::string> all = lines(fileText(p, someColumns(withResolution, false)));
    ASSERT_GT(all.size(), 6u);
    EXPECT_EQ(all[0], "# # ORSO reflectivity data file | 1.0 standard | YAML encoding | https://www.reflectometry.org/");
    std::string header;
    size_t row = 1;
    for (; row < all.size() && all[row].rfind("# ", 0) == 0; ++row) header += all[row].substr(2) + "\n";
    const YAML::Node h = YAML::Load(header);
    for (const char* key : {"owner", "experiment", "sample", "measurement"})
      EXPECT_TRUE(h["data_source"][key].IsMap()) << key;
    EXPECT_EQ(h["data_source"]["experiment"]["probe"].as<std::string>(), "neutron");
    EXPECT_TRUE(h["data_source"]["owner"]["name"].IsNull());
    EXPECT_EQ(h["data_source"]["sample"]["name"].as<std::string>(), "Si in D2O");
    EXPECT_EQ(h["data_source"]["measurement"]["data_files"][0]["file"].as<std::string>(), "run7.dat");
    EXPECT_EQ(h["reduction"]["software"]["name"].as<std::string>(), "Lumo");
    EXPECT_EQ(h["reduction"]["software"]["version"].as<std::string>(), programVersion());
    EXPECT_EQ(h["reduction"]["timestamp"].as<std::string>(), p.timestamp);
    const YAML::Node columns = h["columns"];
    ASSERT_EQ(columns.size(), withResolution ? 4u : 3u);
    EXPECT_EQ(columns[0]["name"].as<std::string>(), "Qz");
    EXPECT_EQ(columns[0]["unit"].as<std::string>(), "1/angstrom");
    EXPECT_EQ(columns[1]["name"].as<std::string>(), "R");
    EXPECT_EQ(columns[2]["error_of"].as<std::string>(), "R");
    EXPECT_EQ(columns[2]["value_is"].as<std::string>(), "sigma");
    if (withResolution) {
      EXPECT_EQ(columns[3]["error_type"].as<std::string>(), "resolution");
    }
    ASSERT_EQ(all.size() - row, 5u);
    for (; row < all.size(); ++row) {
      std::istringstream values(all[row]);
      double v = 0;
      size_t count = 0;
      while (values >> v) ++count;
      EXPECT_EQ(count, columns.size()) << all[row];
    }
  }
}

// Full precision: what is written reads back as the very same values, double or single.
TEST(OrsoWriter, ValuesReadBackExactly) {
  for (bool single : {false, true}) {
    const Columns c = someColumns(true, single);
    const DataFileSetsResult back = parseOrsoFile(fileText({"t", "f", "NIST Data", "now"}, c), "x.ort");
    ASSERT_TRUE(std::holds_alternative<std::vector<DataFileContents>>(back));
    const DataFileContents& set = std::get<std::vector<DataFileContents>>(back).front();
    ASSERT_EQ(set.points.size(), c.q.size());
    for (size_t i = 0; i < c.q.size(); ++i) {
      const auto same = [single](double read, double written) {
        return single ? static_cast<float>(read) == static_cast<float>(written) : read == written;
      };
      EXPECT_TRUE(same(set.points[i].q, c.q[i]) && same(set.points[i].r, c.r[i]) &&
                  same(set.points[i].dr, c.dr[i]) && same(set.resolution[i], c.dq[i]))
          << i;
    }
  }
}

TEST(OrsoWriter, TitlesOfAnyTextReadBackAsOneLineOfUtf8) {
  const std::pair<std::string, std::string> titles[] = {
      {"Si: D2O # run 2", "Si: D2O # run 2"},
      {"'single' \"double\" {braces} [brackets]", "'single' \"double\" {braces} [brackets]"},
      {"- dash & star *", "- dash & star *"},
      {"null", "null"},
      {"Latin-1 \xC5ngstr\xF6m", "Latin-1 \xC3\x85ngstr\xC3\xB6m"},
      {"two\r\nlines", "two  lines"},
  };
  for (const auto& [title, expected] : titles) {
    const DataFileSetsResult back =
        parseOrsoFile(fileText({title, "f", "GO Data", "now"}, someColumns(false, true)), "x.ort");
    ASSERT_TRUE(std::holds_alternative<std::vector<DataFileContents>>(back)) << title;
    EXPECT_EQ(std::get<std::vector<DataFileContents>>(back).front().title, expected);
  }
}

}  // namespace
}  // namespace lumo::orso
