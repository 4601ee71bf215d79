#pragma once
// The main window.
#include <QMainWindow>

namespace lumo::ui {

class Lumo3 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Lumo3(QWidget* parent = nullptr);
};

}  // namespace lumo::ui
