#include "converter/Formats.h"

namespace lumo::converter {
namespace {

const InputFormatInfo kInputInfo[] = {
    {"ISIS Data (Histogram)", "asc",
     "You have selected ISIS Data, but the files are not '*.asc', would you like to continue?",
     "Data Input  : ISIS Data (Histogrammed)", "isis"},
    {"NIST Data", "dat",
     "You have selected NIST Data, but the files are not '*.dat', would you like to continue?",
     "Data Input  : NIST Data", "nist"},
    {"ILL Data", "dat",
     "You have selected ILL Data, but the files are not '*.dat', would you like to continue?",
     "Data Input : ILL Data", "ill"},
    {"DRYDOC Data", "dat",
     "You have selected DRYDOC Data, but the files are not '*.dat', would you like to continue?",
     "Data Input : DRYDOC Data", "drydoc"},
    {"LUMO Data", "vld",
     "You have selected LUMO Data, but the files are not '*.vld', would you like to continue?",
     "Data Input : LUMO Data", "lumo"},
    {"Lumo Fit", "fit",
     "You have selected Lumo Fits, but the files are not '*.fit', would you like to continue?",
     "Data Input : LUMO Fit", "fit"},
    {"GO Data", "dat",
     "You have selected GO Data, but the files are not '*.dat', would you like to continue?",
     "Data Input : GO Data", "go"},
    {"ORSO (*.ort)", "ort",
     "You have selected ORSO Data, but the files are not '*.ort', would you like to continue?",
     "Data Input : ORSO", "orso"},
    {"User Defined", "", "", "Data Input : User Defined", ""},
};

const OutputFormatInfo kOutputInfo[] = {
    {"Lumo", "(*.VLD)", ".VLD", "LUMO", "lumo"},
    {"DRYDOC", "(*.DAT)", ".DAT", "DRYDOC", "drydoc"},
    {"Excel", "(*.CSV)", ".CSV", "EXCEL", "excel"},
    {"GO", "(*.DAT)", ".DAT", "GO", "go"},
    {"ORSO", "(*.ORT)", ".ORT", "ORSO", "orso"},
};

}  // namespace

const InputFormatInfo& info(InputFormat format) {
  return kInputInfo[static_cast<size_t>(format)];
}

const OutputFormatInfo& info(OutputFormat format) {
  return kOutputInfo[static_cast<size_t>(format)];
}

std::optional<InputFormat> inputFormatFromCliName(std::string_view name) {
  for (InputFormat f : kInputFormats)
    if (!name.empty() && name == info(f).cliName) return f;
  return std::nullopt;
}

std::optional<OutputFormat> outputFormatFromCliName(std::string_view name) {
  for (OutputFormat f : kOutputFormats)
    if (name == info(f).cliName) return f;
  return std::nullopt;
}

}  // namespace lumo::converter
