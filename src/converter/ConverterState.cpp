#include "converter/ConverterState.h"

#include <filesystem>
#include <system_error>

#include "files/PrintableText.h"

namespace lumo::converter {
namespace {

const char* const kWindowTitle = "Data Manager";

std::string lastThree(const std::string& name) {
  return name.size() <= 3 ? name : name.substr(name.size() - 3);
}

// "A", "A and B", "A, B and C", ...
std::string joinedNames(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += (i + 1 == names.size()) ? " and " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace

std::string differentExtensionsMessage() {
  return "You have selected files with different extensions.\n\nWould you like to continue?";
}

std::string confirmMessage(InputFormat format, const OutputSelection& outputs) {
  std::string text = std::string("You have selected\n\n") + info(format).confirmLine;
  std::vector<std::string> names;
  for (OutputFormat f : kOutputFormats)
    if (outputs[f]) names.emplace_back(info(f).confirmName);
  if (!names.empty()) text += "\nData Output: " + joinedNames(names);
  if (outputs[OutputFormat::DRYDOC] && outputs[OutputFormat::GO])
    text += "\n\nDRYDOC and GO files both end in \".DAT\": each GO file replaces the DRYDOC "
            "file of the same name.";
  return text;
}

ConverterState::ConverterState(Dialogs& dialogs)
    : dialogs_(dialogs), textView_(dialogs), plotView_(dialogs, data_) {
  outputs.set(OutputFormat::Lumo, true);
}

bool ConverterState::askYesNo(const std::string& text, const std::string& title, MessageIcon icon) {
  return dialogs_.showMessage({text, title, icon, MessageButtons::YesNo}) == MessageAnswer::Yes;
}

void ConverterState::tell(const std::string& text, const std::string& title) {
  dialogs_.showMessage({text, title, MessageIcon::Exclamation, MessageButtons::Ok});
}

void ConverterState::setStatus(bool visible, std::string caption) {
  statusVisible_ = visible;
  statusCaption_ = std::move(caption);
  if (statusChanged) statusChanged();
}

bool ConverterState::selectionStep(const std::string& folder,
                                   const std::vector<std::string>& selected) {
  selection_ = FileSelection{};
  if (selected.size() > static_cast<size_t>(kMaxSelectedFiles)) {
    tell("You have selected " + std::to_string(selected.size()) + " files; at most " +
             std::to_string(kMaxSelectedFiles) + " can be used at once.",
         kWindowTitle);
    return false;
  }
  selection_ = selectFiles(folder, selected);
  return selection_.NumFiles > 0;
}

void ConverterState::CheckExtension() {
  ContinueConversion_ = true;
  const std::string first = lastThree(selection_.FileName[1]);
  for (int i = 1; i <= selection_.NumFiles; ++i) {
    if (lastThree(selection_.FileName[static_cast<size_t>(i)]) != first) {
      ContinueConversion_ = askYesNo(differentExtensionsMessage(), "", MessageIcon::Question);
      if (!ContinueConversion_) return;
      break;
    }
  }
  const InputFormatInfo& format = info(inputFormat);
  if (*format.expectedExtension && first != format.expectedExtension)
    ContinueConversion_ = askYesNo(format.extensionMessage, "", MessageIcon::Question);
}

bool ConverterState::settingsForRun(ConversionSettings& settings) {
  settings.input = {inputFormat, chkOverWrite};
  settings.outputs = outputs;
  settings.titleText = txtTitle;
  const auto sld = parseSLDText(txtSLD);
  // The SLD only goes into the own-format output; without it any text will do.
  if (!sld && outputs[OutputFormat::Lumo]) {
    tell("The Scattering Length Density \"" + text::printable(txtSLD) + "\" is not a number.",
         kWindowTitle);
    return false;
  }
  settings.sld = sld.value_or(0.0f);
  return true;
}

bool ConverterState::cmdConvert_Click(const std::string& folder,
                                      const std::vector<std::string>& selected) {
  if (!selectionStep(folder, selected)) return false;
  CheckExtension();
  if (!ContinueConversion_) return false;
  ConversionSettings settings;
  if (!settingsForRun(settings)) return false;
  ConfirmMessage_ = confirmMessage(inputFormat, outputs);
  if (!askYesNo(ConfirmMessage_, "", MessageIcon::Question)) return false;
  setStatus(true, "WORKING");
  lastReport_ = runConversion(selection_.fullNames(), settings, data_);
  setStatus(true, "FINISHED");
  if (!lastReport_.complete()) tell(lastReport_.problemSummary(), kWindowTitle);
  return true;
}

bool ConverterState::cmdDelete_Click(const std::string& folder,
                                     const std::vector<std::string>& selected) {
  if (!deletingEnabled_ || !selectionStep(folder, selected)) return false;
  if (!askYesNo("Are You Sure ?", "Delete Selected Files", MessageIcon::Exclamation)) return false;
  std::string failures;
  for (const std::string& path : selection_.fullNames()) {
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec)
      failures.append("\n").append(text::printable(path)).append(": ")
          .append(ec ? ec.message() : "the file no longer exists");
  }
  if (!failures.empty()) tell("These files could not be deleted:\n" + failures, "Delete Selected Files");
  return true;
}

void ConverterState::mnuEnableDeleting_Click() { deletingEnabled_ = !deletingEnabled_; }

void ConverterState::cmdViewText_Click(const std::string& folder,
                                       const std::vector<std::string>& selected) {
  if (!selectionStep(folder, selected)) return;
  view_ = ConverterView::Text;
  setStatus(false, statusCaption_);
  textView_.open(selection_);
}

void ConverterState::cmdPlot_Click(const std::string& folder,
                                   const std::vector<std::string>& selected) {
  if (!selectionStep(folder, selected)) return;
  CheckExtension();
  if (!ContinueConversion_) return;
  view_ = ConverterView::Plot;
  setStatus(false, statusCaption_);
  plotView_.open(selection_, {inputFormat, chkOverWrite});
}

void ConverterState::cmdReturn_Click() { view_ = ConverterView::Conversion; }

}  // namespace lumo::converter
