#pragma once
// The side column's frames: one that a command has just opened is scrolled into view, so
// that the command visibly does something even when other open frames fill the column.
#include <vector>

class QGroupBox;
class QScrollArea;
class QWidget;

namespace lumo::ui {

class OpenedFrameReveal {
 public:
  // The frames are the group boxes in `column`, except those inside `keep` (the model's
  // editor, which is always shown).
  OpenedFrameReveal(QScrollArea* column, QWidget* keep);
  // Notes the frames shown now.
  void remember();
  // Scrolls to the first frame shown since remember(), if any.
  void reveal();

 private:
  std::vector<QGroupBox*> shownFrames() const;
  void showTop(QGroupBox* box);

  QScrollArea* column_;
  QWidget* keep_;
  std::vector<QGroupBox*> before_;
};

}  // namespace lumo::ui
