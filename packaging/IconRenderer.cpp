// Renders the program's icon for the desktop's icon theme from the drawing the window
// uses: OUTDIR/scalable/apps/lumo.svg and OUTDIR/NxN/apps/lumo.png for each size given.
//   lumo-icons OUTDIR SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <iostream>

#include "ui/AppIcon.h"

namespace {

bool writeSvg(const QString& folder) {
  if (!QDir().mkpath(folder)) return false;
  QSvgGenerator svg;
  svg.setFileName(folder + "/lumo.svg");
  svg.setSize(QSize(lumo::ui::kAppIconCanvas, lumo::ui::kAppIconCanvas));
  svg.setViewBox(QRect(0, 0, lumo::ui::kAppIconCanvas, lumo::ui::kAppIconCanvas));
  svg.setTitle(QStringLiteral("Lumo"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  lumo::ui::drawAppIcon(painter);
  return painter.end();
}

bool writePng(const QString& root, int size) {
  const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
  return QDir().mkpath(folder) && lumo::ui::appIconImage(size).save(folder + "/lumo.png");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");  // the build needs no display
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: lumo-icons OUTDIR SIZE...\n";
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  bool ok = writeSvg(root + "/scalable/apps");
  for (int i = 2; i < argc; ++i) ok = writePng(root, QString(argv[i]).toInt()) && ok;
  if (!ok) std::cerr << "lumo-icons: cannot write the icons into " << argv[1] << "\n";
  return ok ? 0 : 1;
}
