#pragma once
// The converter's text view: the items of the selected files, one file in the upper list
// or two files one above the other, stepped through independently. It never changes a
// file.
#include <string>
#include <vector>

#include "converter/FileSelection.h"
#include "platform/Dialogs.h"

namespace lumo::converter {

// A file shows at most this many items.
inline constexpr int kMaxTextItems = 1025;

// The first kMaxTextItems string items of a text; a quoted item loses its quotes and a
// line with commas gives one item per piece.
std::vector<std::string> textItems(std::string_view text);

class TextView {
 public:
  struct Pane {
    std::vector<std::string> items;
    std::string name;  // txtNameOne / txtNameTwo
    int index = 0;     // TextIndex1 / TextIndex2
    bool previousEnabled = false;
    bool nextEnabled = false;
  };

  explicit TextView(Dialogs& dialogs) : dialogs_(dialogs) {}

  // Shows the first selected file in the upper list (the view is opened).
  void open(const FileSelection& selection);

  void cmdViewTwo_Click();
  void cmdViewOne_Click();
  void cmdNext_Click();
  void cmdPrevious_Click();
  void cmdNextTwo_Click();
  void cmdPreviousTwo_Click();

  const Pane& upper() const { return upper_; }
  const Pane& lower() const { return lower_; }
  bool lowerShown() const { return lowerShown_; }  // lstTextTwo and its frame
  bool viewTwoShown() const { return viewTwoShown_; }
  bool viewOneShown() const { return viewOneShown_; }

 private:
  void step(Pane& pane, int by);
  void load(Pane& pane, int index);

  Dialogs& dialogs_;
  FileSelection selection_;
  Pane upper_, lower_;
  bool lowerShown_ = false;
  bool viewTwoShown_ = false;
  bool viewOneShown_ = false;
};

}  // namespace lumo::converter
