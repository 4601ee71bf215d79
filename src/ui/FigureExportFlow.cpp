#include "ui/FigureExportFlow.h"

#include <filesystem>

namespace lumo::ui {
namespace {

void showError(Dialogs& dialogs, const FigureExportRequest& request, const std::string& text) {
  dialogs.showMessage({text, request.messageTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

bool confirmReplace(Dialogs& dialogs, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  const Message ask{path + "\n\nalready exists. Do you want to replace it?", "Export Plot",
                    MessageIcon::Question, MessageButtons::YesNo};
  return dialogs.showMessage(ask) == MessageAnswer::Yes;
}

}  // namespace

bool exportFigure(const ExportPlotPanel& panel, Dialogs& dialogs, FigureWriter& writer,
                  const FigureExportRequest& request) {
  const auto read = readExportPlotBoxes(panel);
  if (const auto* error = std::get_if<std::string>(&read)) {
    showError(dialogs, request, *error);
    return false;
  }
  const FigureSize size = std::get<FigureSize>(read);
  // The size is checked before the dialog, whatever the format chosen then.
  if (const auto error = checkFigureSize(size, FigureFormat::Svg)) {
    showError(dialogs, request, *error);
    return false;
  }
  const std::optional<std::string> path = dialogs.chooseFile(exportPlotRequest(request.proposedName));
  if (!path) return false;
  const auto plan = planFigureFile(*path, size, request.inputs);
  if (const auto* error = std::get_if<std::string>(&plan)) {
    showError(dialogs, request, *error);
    return false;
  }
  if (!confirmReplace(dialogs, *path)) return false;
  if (const auto error = writer.write(request.compose(size), std::get<FigureFile>(plan))) {
    showError(dialogs, request, "The plot was not exported.\n" + *error);
    return false;
  }
  return true;
}

}  // namespace lumo::ui
