#pragma once
// A fit the main window is running: the scan, constrained fit or refinement itself, and what the
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
#include "fitting/Refinement.h"
#include "ui/RefinePanel.h"

namespace lumo::ui {

struct ShownControl {
  ScrollId id;
  std::string text;
  int labelColour = 0;
};

struct FitJob {
  // One of the three is set.
  std::unique_ptr<fitting::ParameterScan> scan;
  std::unique_ptr<fitting::ConstrainedFit> constrained;
  std::unique_ptr<fitting::Refinement> refinement;
  ScrollId scanned;             // the scroll bar a scan sets at its end
  std::vector<ScrollId> refined;  // the bars a refinement sets, in its parameters' order
  std::string description;   // what is being fitted, for the progress display
  std::vector<ShownControl> shown;
  std::string cumulativeCaption;
  std::vector<RefineResultRow> refineTable;  // the refinement panel's table and summary
  std::string refineSummary;

  fitting::FitRun& run() const {
    if (scan) return *scan;
    if (refinement) return *refinement;
    return *constrained;
  }
};

}  // namespace lumo::ui
