#include "converter/OrsoConversion.h"

#include <cfloat>
#include <cmath>
#include <filesystem>

#include "files/NumberText.h"
#include "files/OrsoReader.h"
#include "files/OrsoWriter.h"

namespace lumo::converter {
namespace {

// Values beyond single precision are refused rather than turned into infinities.
bool toSingle(const std::vector<double>& from, std::vector<float>& to, std::string& reason) {
  for (double v : from) {
    if (std::fabs(v) > FLT_MAX) {
      reason = "the number " + text::shortestDouble(v) + " is too large for single precision";
      return false;
    }
    to.push_back(static_cast<float>(v));
  }
  return true;
}

}  // namespace

std::variant<OrsoReading, std::string> readOrsoInput(std::string_view text) {
  DataFileSetsResult result = parseOrsoFile(text, std::string(), kMaxConvPoints);
  if (const auto* error = std::get_if<DataFileError>(&result)) return error->detail;
  const DataFileContents& set = std::get<std::vector<DataFileContents>>(result).front();
  std::vector<double> q, r, dr;
  for (const DataPoint& p : set.points) {
    q.push_back(p.q);
    r.push_back(p.r);
    dr.push_back(p.dr);
  }
  OrsoReading reading;
  std::string reason;
  if (!toSingle(q, reading.q, reason) || !toSingle(r, reading.r, reason) ||
      !toSingle(dr, reading.dr, reason) || !toSingle(set.resolution, reading.dq, reason))
    return reason;
  // Without a sample's name the reader's title holds at most the data set's name.
  const size_t first = set.title.find_first_not_of(' ');
  if (first != std::string::npos) reading.title = set.title.substr(first);
  return reading;
}

std::string orsoOutput(const ConvData& data, const OrsoSource& source) {
  orso::Columns columns;
  columns.singlePrecision = true;
  for (int i = 1; i <= data.ConvNumPoints; ++i) {
    columns.q.push_back(data.ConvQ[i]);
    columns.r.push_back(data.ConvR[i]);
    columns.dr.push_back(data.ConvdR[i]);
    if (data.ConvHasdQ) columns.dq.push_back(data.ConvdQ[i]);
  }
  const orso::Provenance provenance{data.ConvTitle, std::filesystem::path(source.path).filename().string(),
                                    source.format, source.timestamp};
  return orso::fileText(provenance, columns);
}

}  // namespace lumo::converter
