#pragma once
// The batch run: each file is read and its outputs written, one file after the other.
// A file that cannot be read gets no output, and the run goes on with the next; the
// report names every file or output that failed and why.
#include <optional>
#include <string>
#include <vector>

#include "converter/ConvData.h"
#include "converter/Formats.h"
#include "converter/OpenData.h"
#include "converter/SaveData.h"

namespace lumo::converter {

struct ConversionSettings {
  OpenOptions input;
  OutputSelection outputs;
  std::string titleText;  // as typed; an empty title becomes "Title"
  float sld = 6.35f;      // written to the own-format output
  std::string timestamp;  // time of the run for ORSO outputs (ISO 8601); empty: now
};

struct InputFailure {
  std::string path;
  std::string reason;
};

struct ConversionReport {
  int filesRead = 0;
  std::vector<OutputWritten> written;
  std::vector<InputFailure> failedInputs;
  std::vector<OutputProblem> failedOutputs;

  bool complete() const { return failedInputs.empty() && failedOutputs.empty(); }
  // What went wrong, file by file (named without their folder); empty when nothing did.
  std::string problemSummary() const;
};

// The text of the SLD box as a single-precision number, or nothing when it is not one.
std::optional<float> parseSLDText(const std::string& text);

// Converts `files` in order. `data` carries the title from file to file, as the window's
// working data do.
ConversionReport runConversion(const std::vector<std::string>& files,
                               const ConversionSettings& settings, ConvData& data);

}  // namespace lumo::converter
