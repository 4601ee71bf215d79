#include "ui/SaveFitPanel.h"


namespace lumo::ui {

std::string& SaveFitPanel::text(SaveFitBox box) {
  switch (box) {
    case SaveFitBox::QStart: return txtQStart;
    case SaveFitBox::QFinish: return txtQFinish;
    case SaveFitBox::QNumPts: break;
  }
  return txtQNumPts;
}

bool SaveFitPanel::anyChecked() const {
  for (int i = 1; i <= kMaxDataSets; ++i)
    if (dataSetVisible[static_cast<size_t>(i)] && dataSetChecked[static_cast<size_t>(i)]) return true;
  return false;
}

FileDialogRequest openFitRequest() {
  FileDialogRequest r;
  r.title = "Select Fit To Open";
  r.filter = "Open Model (*.FIT)|*.FIT||All Files (*.*)|*.*";
  return r;
}

FileDialogRequest saveFitRequest(int slot, const std::string& dataFileName) {
  FileDialogRequest r;
  r.save = true;
  r.title = "Save Fit: Data Set " + std::to_string(slot);
  r.filter = "Model Files (*.FIT)|*.FIT|All Files (*.*)|*.*";
  r.defaultExtension = "FIT";
  // The file's own name (a name read from a file may use either separator), with
  // "FIT" after its last ".".
  const size_t slash = dataFileName.find_last_of("/\\");
  std::string name = slash == std::string::npos ? dataFileName : dataFileName.substr(slash + 1);
  if (!name.empty()) {
    const size_t dot = name.rfind('.');
    name = (dot == std::string::npos ? name + "." : name.substr(0, dot + 1)) + "FIT";
  }
  r.fileName = name;
  return r;
}

}  // namespace lumo::ui
