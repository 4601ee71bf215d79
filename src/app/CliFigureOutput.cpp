#include "app/CliFigureOutput.h"

#include <cstdio>

#include "plot/QtFigureWriter.h"

namespace lumo::cli {
namespace {

// Qt's notes about the environment (no runtime folder, no display) are not the tool's
// output; only its critical messages reach stderr.
void criticalOnly(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    fprintf(stderr, "lumo-cli: %s\n", qPrintable(message));
}

}  // namespace

std::optional<std::string> OffscreenFigureWriter::write(const PrintPage& page, const FigureFile& file) {
  if (!QGuiApplication::instance()) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(criticalOnly);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  return plot::QtFigureWriter().write(page, file);
}

}  // namespace lumo::cli
