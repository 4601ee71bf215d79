#pragma once
// The dialogs of a window that keeps its working folder where the user last chose a
// file: the folder of every path chosen in a file dialog (open or save) becomes the
// current folder, so that the next dialog, and the next start, open there.
#include <filesystem>

#include "platform/Dialogs.h"
#include "platform/WorkingFolder.h"

namespace lumo {

class FolderKeepingDialogs : public Dialogs {
 public:
  FolderKeepingDialogs(Dialogs& dialogs, WorkingFolder& folder) : dialogs_(dialogs), folder_(folder) {}

  std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
    auto path = dialogs_.chooseFile(request);
    if (path) {
      const std::filesystem::path parent = std::filesystem::path(*path).parent_path();
      // A folder that cannot be entered leaves the current one as it is.
      if (!parent.empty()) folder_.change(parent.string());
    }
    return path;
  }

  MessageAnswer showMessage(const Message& message) override { return dialogs_.showMessage(message); }

 private:
  Dialogs& dialogs_;
  WorkingFolder& folder_;
};

}  // namespace lumo
