#pragma once
// Dialogs for tests: answers are queued beforehand, and every request and message is
// recorded. An unexpected file dialog is cancelled; an unexpected question answered No
// (or Cancel), so that a missing script never silently confirms anything.
#include <deque>
#include <vector>

#include "platform/Dialogs.h"

namespace lumo {

class ScriptedDialogs : public Dialogs {
 public:
  // The next file dialog returns `path`.
  void queueFile(std::string path) { files_.emplace_back(std::move(path)); }
  // The next file dialog is cancelled.
  void queueCancel() { files_.emplace_back(std::nullopt); }
  // The next message box that offers a choice is answered with `answer`.
  void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }

  std::optional<std::string> chooseFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    if (files_.empty()) return std::nullopt;
    auto next = files_.front();
    files_.pop_front();
    return next;
  }

  MessageAnswer showMessage(const Message& message) override {
    messages.push_back(message);
    if (message.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (!answers_.empty()) {
      const MessageAnswer next = answers_.front();
      answers_.pop_front();
      return next;
    }
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }

  bool scriptUsedUp() const { return files_.empty() && answers_.empty(); }

  std::vector<FileDialogRequest> requests;
  std::vector<Message> messages;

 private:
  std::deque<std::optional<std::string>> files_;
  std::deque<MessageAnswer> answers_;
};

}  // namespace lumo
