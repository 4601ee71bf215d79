#pragma once
// The platform's file dialogs and message boxes, for the real windows.
#include <QPointer>
#include <QWidget>

#include "platform/Dialogs.h"

namespace lumo::ui {

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
  MessageAnswer showMessage(const Message& message) override;

 private:
  QPointer<QWidget> parent_;
};

// "Desc (*.VLD)|*.VLD|All Files (*.*)|*.*" as a Qt name filter list.
QString qtFilter(const std::string& filter);

}  // namespace lumo::ui
