#pragma once
// Pictures for looking at by eye: the screenshot tests write them into the folder named by
// $LUMO_SCREENSHOT_DIR and skip without it.
#include <QApplication>
#include <QString>
#include <QWidget>

#include <cstdlib>

// Declares `folder`, the pictures' folder, or skips the test when none is set.
#define LUMO_REQUIRE_SCREENSHOT_FOLDER(folder)                         \
  const char* folder = std::getenv("LUMO_SCREENSHOT_DIR");             \
  if (!folder) GTEST_SKIP() << "set LUMO_SCREENSHOT_DIR to write screenshots"

namespace lumo::test {

// Saves `widget` as shown once pending events are handled, as folder/name.png.
inline void saveScreenshot(QWidget& widget, const char* folder, const char* name) {
  QApplication::processEvents();
  widget.grab().save(QString::fromLatin1(folder) + "/" + name + ".png");
}

}  // namespace lumo::test
