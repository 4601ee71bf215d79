#pragma once
// The behaviour of the converter window ("Data Manager") without the window: its options,
// the extension check, the conversion run, deleting, and the switch to the text view.
// The Qt window mirrors this state and forwards its controls' events to the handlers.
#include <functional>
#include <string>
#include <vector>

#include "converter/ConvData.h"
#include "converter/ConversionRun.h"
#include "converter/FileSelection.h"
#include "converter/Formats.h"
#include "converter/PlotView.h"
#include "converter/TextView.h"
#include "platform/Dialogs.h"

namespace lumo::converter {

enum class ConverterView { Conversion, Text, Plot };

// "You have selected files with different extensions." and the question after it.
std::string differentExtensionsMessage();
// The confirmation before a run: the input line and, if any output is ticked, the outputs.
std::string confirmMessage(InputFormat format, const OutputSelection& outputs);

class ConverterState {
 public:
  explicit ConverterState(Dialogs& dialogs);

  // The controls the state mirrors, with their values when the window opens.
  InputFormat inputFormat = InputFormat::ISISData;
  OutputSelection outputs;  // chkLumo ticked at start
  std::string txtTitle;
  std::string txtSLD = "6.35";
  bool chkOverWrite = false;

  // Called whenever the status label changes, so that the window repaints it at once.
  std::function<void()> statusChanged;

  // The handlers take the folder of the file list and its selected names in list order;
  // those that may change the folder's files return true when the list needs a refresh.
  bool cmdConvert_Click(const std::string& folder, const std::vector<std::string>& selected);
  bool cmdDelete_Click(const std::string& folder, const std::vector<std::string>& selected);
  void cmdViewText_Click(const std::string& folder, const std::vector<std::string>& selected);
  void cmdPlot_Click(const std::string& folder, const std::vector<std::string>& selected);
  void cmdReturn_Click();
  void mnuEnableDeleting_Click();

  // Sets ContinueConversion from the extensions of the selected files.
  void CheckExtension();

  bool deletingEnabled() const { return deletingEnabled_; }
  bool statusVisible() const { return statusVisible_; }
  const std::string& statusCaption() const { return statusCaption_; }
  ConverterView view() const { return view_; }
  const FileSelection& selection() const { return selection_; }
  bool continueConversion() const { return ContinueConversion_; }
  const ConversionReport& lastReport() const { return lastReport_; }
  TextView& textView() { return textView_; }
  PlotView& plotView() { return plotView_; }
  const ConvData& workingData() const { return data_; }

 private:
  bool selectionStep(const std::string& folder, const std::vector<std::string>& selected);
  bool askYesNo(const std::string& text, const std::string& title, MessageIcon icon);
  void tell(const std::string& text, const std::string& title);
  void setStatus(bool visible, std::string caption);
  bool settingsForRun(ConversionSettings& settings);

  Dialogs& dialogs_;
  ConvData data_;
  FileSelection selection_;
  bool ContinueConversion_ = false;
  std::string ConfirmMessage_;
  ConversionReport lastReport_;
  bool deletingEnabled_ = false;
  bool statusVisible_ = false;
  std::string statusCaption_;
  ConverterView view_ = ConverterView::Conversion;
  TextView textView_;
  PlotView plotView_;
};

}  // namespace lumo::converter
