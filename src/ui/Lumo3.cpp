#include "ui/Lumo3.h"

namespace lumo::ui {

Lumo3::Lumo3(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Lumo Version 3.05"));
  resize(901, 563);
}

}  // namespace lumo::ui
