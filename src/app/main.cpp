#include <QApplication>

#include "ui/Lumo3.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  lumo::ui::Lumo3 window;
  window.show();
  return QApplication::exec();
}
