#pragma once
// ORSO files in the converter: the first data set of an ORSO input in the converter's
// single precision, and the ORSO output written from the working data.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "converter/ConvData.h"

namespace lumo::converter {

struct OrsoReading {
  std::string title;  // the sample's name; empty when the file gives none
  std::vector<float> q, r, dr;
  std::vector<float> dq;  // the resolution of Q, empty when the file gives none
};

// The first data set of an ORSO file (the converter writes one curve a file), or why the
// file is refused.
std::variant<OrsoReading, std::string> readOrsoInput(std::string_view text);

// Where the working data came from, for the header of the ORSO output.
struct OrsoSource {
  std::string path;       // the converted file
  std::string format;     // its input format, e.g. "NIST Data"
  std::string timestamp;  // time of the conversion, ISO 8601
};

std::string orsoOutput(const ConvData& data, const OrsoSource& source);

}  // namespace lumo::converter
