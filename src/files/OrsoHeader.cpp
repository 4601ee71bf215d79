#include "files/OrsoHeader.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <optional>

#include "files/OrsoFormat.h"
#include "files/TextItemReader.h"

namespace lumo::orso {
namespace {

// yaml-cpp throws when a missing ("zombie") node is asked for its type, so every test
// asks whether the node exists first.
bool isMap(const YAML::Node& node) { return node.IsDefined() && node.IsMap(); }

// The entry `key` of a map, or an undefined node (rather than yaml-cpp's zombie node of
// a missing key, which cannot even be copied into another node).
YAML::Node entry(const YAML::Node& map, const char* key) {
  if (!isMap(map)) return YAML::Node(YAML::NodeType::Undefined);
  const YAML::Node value = map[key];
  if (!value.IsDefined()) return YAML::Node(YAML::NodeType::Undefined);
  return value;
}

// The node at a path of keys. Nodes share their data, so the walk rebinds with reset()
// rather than assigning, which would overwrite the header itself.
YAML::Node at(const YAML::Node& root, std::initializer_list<const char*> keys) {
  YAML::Node node;
  node.reset(root);
  for (const char* key : keys) node.reset(entry(node, key));
  return node;
}

// The text of a scalar, or nothing when the node is missing, null or not a scalar.
std::optional<std::string> scalar(const YAML::Node& node) {
  if (!node.IsDefined() || !node.IsScalar()) return std::nullopt;
  return node.Scalar();
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Text from the file, quoted, cut short and with control bytes escaped.
std::string shown(const std::string& text) { return text::quotedToken(text); }

// The factor from a unit of Qz to Å^-1.
double perAngstrom(const std::string& unit, const char* field) {
  const std::string u = lower(unit);
  if (u == kPerAngstrom) return 1.0;
  if (u == kPerNanometre) return 0.1;
  throw Refusal{std::string("the unit of ") + field + " is " + shown(unit) +
                "; the reader takes 1/angstrom or 1/nm"};
}

// R and its uncertainty are fractions: no unit, or the unit "1".
void checkFraction(const YAML::Node& column, const char* field) {
  const auto unit = scalar(entry(column, "unit"));
  if (unit && !unit->empty() && *unit != "1")
    throw Refusal{std::string("the unit of ") + field + " is " + shown(*unit) +
                  "; the reader takes reflectivities as fractions (unit 1)"};
}

// The factor from an error column's values to standard deviations.
double toSigma(const YAML::Node& column, const char* field) {
  const auto valueIs = scalar(entry(column, "value_is"));
  if (!valueIs || lower(*valueIs) == "sigma") return 1.0;
  if (lower(*valueIs) == "fwhm") return 1.0 / kFwhmPerSigma;
  throw Refusal{std::string("value_is of ") + field + " is " + shown(*valueIs) +
                "; the reader takes sigma or FWHM"};
}

void placeColumn(Layout& layout, const YAML::Node& column, int index,
                 std::optional<std::string>& resolutionUnit) {
  const auto name = scalar(entry(column, "name"));
  const auto errorOf = scalar(entry(column, "error_of"));
  if (name == "Qz" && layout.q < 0) {
    layout.q = index;
    const auto unit = scalar(entry(column, "unit"));
    if (!unit) throw Refusal{"the column Qz has no unit"};
    layout.qScale = perAngstrom(*unit, "Qz");
  } else if (name == "R" && layout.r < 0) {
    layout.r = index;
    checkFraction(column, "R");
  } else if ((name == "sR" || errorOf == "R") && layout.dr < 0) {
    layout.dr = index;
    checkFraction(column, "sR");
    layout.drScale = toSigma(column, "sR");
  } else if ((name == "sQz" || errorOf == "Qz") && layout.dq < 0) {
    layout.dq = index;
    resolutionUnit = scalar(entry(column, "unit"));
    layout.dqScale = toSigma(column, "sQz");
  }
}

void readColumns(Layout& layout, const YAML::Node& columns) {
  if (!columns.IsDefined() || !columns.IsSequence())
    throw Refusal{"the header has no \"columns\" list"};
  if (columns.size() > static_cast<size_t>(kMaxColumns))
    throw Refusal{"the header describes " + std::to_string(columns.size()) +
                  " columns; the reader takes at most " + std::to_string(kMaxColumns)};
  layout.columns = static_cast<int>(columns.size());
  std::optional<std::string> resolutionUnit;
  int index = 0;
  for (const YAML::Node& column : columns) placeColumn(layout, column, index++, resolutionUnit);
  if (layout.q < 0) throw Refusal{"the header describes no column \"Qz\""};
  if (layout.r < 0) throw Refusal{"the header describes no column \"R\""};
  if (layout.dr < 0) throw Refusal{"the header describes no column \"sR\" (the uncertainty of R)"};
  // A resolution column without a unit of its own shares the unit of Qz.
  if (layout.dq >= 0)
    layout.dqScale *= resolutionUnit ? perAngstrom(*resolutionUnit, "sQz") : layout.qScale;
}

// The entry `key` of the data set's own header, or of the first one's when it has none.
YAML::Node ownOrFirst(const YAML::Node& own, const YAML::Node& first,
                      std::initializer_list<const char*> keys) {
  const YAML::Node mine = at(own, keys);
  if (mine.IsDefined()) return mine;
  return at(first, keys);
}

}  // namespace

Layout layoutOf(const YAML::Node& own, const YAML::Node& first) {
  if (!isMap(own)) throw Refusal{"the header is not a YAML mapping of keys and values"};
  Layout layout;
  readColumns(layout, ownOrFirst(own, first, {"columns"}));
  layout.sampleName = scalar(ownOrFirst(own, first, {"data_source", "sample", "name"})).value_or("");
  layout.setName = scalar(entry(own, "data_set")).value_or("");
  return layout;
}

}  // namespace lumo::orso
