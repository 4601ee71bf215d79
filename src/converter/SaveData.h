#pragma once
// Writes the working data into one file for each ticked output format, beside the input
// file and under its name with the extension replaced, in the order own format, DRYDOC,
// Excel, GO, ORSO (GO replaces a DRYDOC file of the same run: both end in ".DAT").
//
// Before writing, every point is rounded to five significant digits (its text in the
// pattern "0.0000E+00" read back into single precision); the rounded values stay in the
// working data. The ORSO output alone keeps every digit read. Each file is written completely or not at all, and an output that would
// replace the input file itself is not written.
#include <string>
#include <vector>

#include "converter/ConvData.h"
#include "converter/Formats.h"
#include "converter/OrsoConversion.h"
#include "converter/OutputPlan.h"

namespace lumo::converter {

float roundedToFiveDigits(float value);
void roundToFiveDigits(ConvData& data);

// The complete text of one output file.
std::string formatOutput(OutputFormat format, const ConvData& data);

// The layout of a curve saved from the plot view: three empty quoted lines, the count
// and the point lines of the own format (Q, R and dR at columns 1, 20 and 40).
std::string formatSavedCurve(const ConvData& data);

struct OutputWritten {
  OutputFormat format;
  std::string path;
};

struct SaveResult {
  std::vector<OutputWritten> written;
  std::vector<OutputProblem> problems;
};

// Rounds the data and writes the planned outputs of one file. `orso` names the input
// format and the time for the header of an ORSO output (the path is the file's input),
// which is made from the values before the rounding.
SaveResult writeOutputs(const FilePlan& file, ConvData& data, const OrsoSource& orso = {});

// Plans and writes the outputs of one file on its own.
SaveResult SaveData(const std::string& rawDataName, const OutputSelection& outputs, ConvData& data,
                    const OrsoSource& orso = {});

}  // namespace lumo::converter
