#pragma once
// Where every output of a conversion run goes, decided before any file is written.
//
// Outputs are written beside their input under its name with the extension replaced.
// An output is left out, and reported by name, when it would replace a file selected for
// the run (its own input or another, which may not have been read yet) or an output of an
// earlier file of the run (two inputs with the same stem). On a volume that ignores the
// case of letters (as the file list's pattern does, so that a.dat and a.DAT are easily
// selected together) names that differ only in case are one file.
#include <functional>
#include <string>
#include <vector>

#include "converter/Formats.h"

namespace lumo::converter {

struct PlannedOutput {
  OutputFormat format;
  std::string path;
  std::string refusal;  // why it is not written; empty when it is
};

struct OutputProblem {
  OutputFormat format;
  std::string inputPath;
  std::string path;
  std::string reason;
};

struct FilePlan {
  std::string input;
  std::vector<PlannedOutput> outputs;  // in the order they are written
};

using RunPlan = std::vector<FilePlan>;  // one per input, in order

// The input path with its extension replaced by the format's upper-case one.
std::string outputPath(const std::string& rawDataName, OutputFormat format);

// True when the folder of the existing file `path` ignores the case of letters in names:
// the name with its letters' case swapped is the same file.
bool folderIgnoresCase(const std::string& path);

// `ignoresCase` tells, given an existing input, whether its folder ignores case.
RunPlan planOutputs(const std::vector<std::string>& inputs, const OutputSelection& outputs,
                    const std::function<bool(const std::string&)>& ignoresCase = folderIgnoresCase);

}  // namespace lumo::converter
