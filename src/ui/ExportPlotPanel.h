#pragma once
// The "Export Plot" frame as state: the figure's width and height in millimetres and its
// resolution, as typed, and the save dialog that names the file.
#include <string>
#include <variant>

#include "platform/Dialogs.h"
#include "plot/FigureExport.h"

namespace lumo::ui {

enum class ExportPlotBox { Width, Height, Resolution };

struct ExportPlotPanel {
  bool visible = false;
  std::string width = "160", height = "110", resolution = "300";

  std::string& text(ExportPlotBox box);
  const std::string& text(ExportPlotBox box) const { return const_cast<ExportPlotPanel&>(*this).text(box); }
};

// The size the boxes hold, or a message naming the box that holds no number.
std::variant<FigureSize, std::string> readExportPlotBoxes(const ExportPlotPanel& panel);

// The save dialog, proposing `fileName`; the session asks before replacing a file.
FileDialogRequest exportPlotRequest(const std::string& fileName);

}  // namespace lumo::ui
