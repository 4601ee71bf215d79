#pragma once
// A fit the main window is running: the scan or constrained fit itself, and what the
// window showed in the controls the run writes to while it goes (the text boxes of the
// fitted parameters, the caption colour of a scanned thickness, the cumulative
// residual), so that a cancelled run puts every one of them back. The model and the
// scroll bars need no copy: a run works on its own workspace and changes them only
// once it has finished.
#include <memory>
#include <string>
#include <vector>

#include "editor/LayerEditorState.h"
#include "fitting/ConstrainedFit.h"
#include "fitting/ParameterScan.h"

namespace lumo::ui {

struct ShownControl {
  ScrollId id;
  std::string text;
  int labelColour = 0;
};

struct FitJob {
  // One of the two is set.
  std::unique_ptr<fitting::ParameterScan> scan;
  std::unique_ptr<fitting::ConstrainedFit> constrained;
  ScrollId scanned;          // the scroll bar a scan sets at its end
  std::string description;   // what is being fitted, for the progress display
  std::vector<ShownControl> shown;
  std::string cumulativeCaption;

  fitting::FitRun& run() const {
    if (scan) return *scan;
    return *constrained;
  }
};

}  // namespace lumo::ui
