#pragma once
// The about box "About Lumo": the program's version and a short description. Shown
// without being modal; its OK button closes and deletes it.
#include <QDialog>

namespace lumo::ui {

class LumoAbout : public QDialog {
  Q_OBJECT

 public:
  explicit LumoAbout(QWidget* parent = nullptr);

  // "Lumo Version <major>.<minor>.<revision>".
  static QString versionText();
};

}  // namespace lumo::ui
