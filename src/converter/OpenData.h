#pragma once
// Reads one file in the chosen input format into the converter's working data.
//
// Every number is held in single precision and taken as it stands in the file; the
// only transformation is from histogram bin boundaries to bin centres for ISIS files.
// A file that cannot be read, is malformed, ends before its announced points or holds
// more than the converter's limits (1024 points, 522 items) is refused with a reason,
// and the working data are left exactly as they were.
#include <optional>
#include <string>
#include <string_view>

#include "converter/ConvData.h"
#include "converter/Formats.h"

namespace lumo::converter {

struct OpenOptions {
  InputFormat format = InputFormat::ISISData;
  // "Overwrite Existing" checked: a title found in the file does not replace ConvTitle.
  bool keepTitle = false;
};

// Reads the text of a file; returns why it was refused, or nothing on success.
std::optional<std::string> parseConverterInput(std::string_view text, const OpenOptions& options,
                                               ConvData& data);

// Reads the file at `path`. "User Defined" input reads nothing and changes nothing.
std::optional<std::string> OpenData(const std::string& path, const OpenOptions& options,
                                    ConvData& data);

}  // namespace lumo::converter
