#pragma once
// The program's icon: a measured reflectivity curve over a film of three layers. The
// window shows it, and the build renders the desktop's icon files from the same drawing.
#include <QIcon>
#include <QImage>

class QPainter;

namespace lumo::ui {

// Width and height of the canvas the icon is drawn on, in the painter's units.
inline constexpr int kAppIconCanvas = 48;

void drawAppIcon(QPainter& painter);
// The icon rendered at `size` × `size` pixels on a transparent ground.
QImage appIconImage(int size);
QIcon appIcon();

}  // namespace lumo::ui
