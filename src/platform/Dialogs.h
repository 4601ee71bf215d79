#pragma once
// Seam between the windows' behaviour and the platform's file dialogs and message boxes.
//
// Window logic asks through this interface; the program answers with Qt dialogs
// (ui/QtDialogs), the tests with ScriptedDialogs, which replays prepared answers and
// records every message shown.
#include <optional>
#include <string>

namespace lumo {

struct FileDialogRequest {
  bool save = false;             // a save dialog (otherwise an open dialog)
  std::string title;             // e.g. "Select Data Set 1"
  std::string filter;            // pairs "Description|pattern|...", e.g. "Lumo Files (*.VLD)|*.VLD"
  std::string fileName;          // proposed name (save dialogs)
  std::string defaultExtension;  // appended to a typed name without extension, e.g. "FIT"
  // The caller asks before replacing an existing file (so that the dialog does not).
  bool callerConfirmsReplace = false;
};

enum class MessageIcon { None, Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> chooseFile(const FileDialogRequest& request) = 0;
  virtual MessageAnswer showMessage(const Message& message) = 0;
};

}  // namespace lumo
