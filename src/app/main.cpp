#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/LumoArgs.h"
#include "platform/WorkingFolder.h"
#include "ui/AppIcon.h"
#include "ui/Lumo3.h"

namespace {

lumo::cli::CommandArgs argumentsOf(int argc, char** argv) { return {argv + 1, argv + argc}; }

}  // namespace

int main(int argc, char** argv) {
  // Help and version work without a display: they are answered before Qt looks for one.
  if (const auto status = lumo::cli::lumoHelpOrVersion(argumentsOf(argc, argv), std::cout))
    return *status;
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  QApplication::setWindowIcon(lumo::ui::appIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("lumo"));
  std::vector<std::string> files;
  try {
    files =
        lumo::cli::lumoStartFiles(argumentsOf(argc, argv), lumo::ProcessWorkingFolder().current());
  } catch (const lumo::cli::UsageError& error) {
    std::cerr << "lumo: " << error.what << " (try lumo --help)\n";
    return lumo::cli::kExitUsage;
  }
  lumo::ui::Lumo3 window;
  window.show();
  if (!files.empty())
    QTimer::singleShot(
        0, &window, [&] { window.run([&](lumo::ui::MainSession& s) { s.openDataFiles(files); }); });
  return QApplication::exec();
}
