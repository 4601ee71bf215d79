#pragma once
// The converter's input and output formats and the texts that describe them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumo::converter {

// The input options, in the order the reader tests them.
enum class InputFormat { ISISData, NISTData, ILLData, DRYDOCData, LUMOData, LumoFit, GoData, ORSOData, UserDefinedData };

inline constexpr std::array<InputFormat, 9> kInputFormats = {
    InputFormat::ISISData, InputFormat::NISTData, InputFormat::ILLData,
    InputFormat::DRYDOCData, InputFormat::LUMOData, InputFormat::LumoFit,
    InputFormat::GoData, InputFormat::ORSOData, InputFormat::UserDefinedData};

struct InputFormatInfo {
  const char* caption;            // "ISIS Data (Histogram)"
  const char* expectedExtension;  // last three characters the extension check expects, "" for none
  const char* extensionMessage;   // question when the files do not carry that extension
  const char* confirmLine;        // "Data Input  : ISIS Data (Histogrammed)"
  const char* cliName;            // name on the command line, "" when not offered there
};

const InputFormatInfo& info(InputFormat format);
std::optional<InputFormat> inputFormatFromCliName(std::string_view name);

// The outputs, in the order they are written.
enum class OutputFormat { Lumo, DRYDOC, Excel, GO, ORSO };

inline constexpr std::array<OutputFormat, 5> kOutputFormats = {
    OutputFormat::Lumo, OutputFormat::DRYDOC, OutputFormat::Excel, OutputFormat::GO, OutputFormat::ORSO};

struct OutputFormatInfo {
  const char* caption;    // "Lumo"
  const char* label;      // "(*.VLD)"
  const char* extension;  // ".VLD"
  const char* confirmName;  // "LUMO"
  const char* cliName;    // "lumo"
};

const OutputFormatInfo& info(OutputFormat format);
std::optional<OutputFormat> outputFormatFromCliName(std::string_view name);

// Which outputs are ticked, indexed by OutputFormat.
class OutputSelection {
 public:
  bool operator[](OutputFormat f) const { return ticked_[index(f)]; }
  void set(OutputFormat f, bool on) { ticked_[index(f)] = on; }
  bool any() const {
    for (bool on : ticked_)
      if (on) return true;
    return false;
  }

 private:
  static size_t index(OutputFormat f) { return static_cast<size_t>(f); }
  std::array<bool, kOutputFormats.size()> ticked_{};
};

}  // namespace lumo::converter
