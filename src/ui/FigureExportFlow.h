#pragma once
// The steps of "Export Plot", shared by the main window and the converter's plot view:
// the boxes checked, the file asked for, planned (never an input) and confirmed before
// an existing file is replaced, then the figure composed and written. Every fault is
// shown with the file's name.
#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "plot/FigureWriter.h"
#include "ui/ExportPlotPanel.h"

namespace lumo::ui {

struct FigureExportRequest {
  std::string proposedName;          // the save dialog's proposal
  std::vector<std::string> inputs;   // the files the figure shows; never replaced
  std::function<PrintPage(const FigureSize&)> compose;
  std::string messageTitle;          // the title of the window's message boxes
};

// True when the figure was written; false when the user cancelled or a fault was shown.
bool exportFigure(const ExportPlotPanel& panel, Dialogs& dialogs, FigureWriter& writer,
                  const FigureExportRequest& request);

}  // namespace lumo::ui
