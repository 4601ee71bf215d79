// The session's figure export: "&Export Plot…" with its size and resolution, the file
// chosen in a save dialog, planned and written through the figure-writer seam.
#include <filesystem>

#include "plot/FigurePage.h"
#include "plot/SldProfilePlot.h"
#include "ui/FigureExportFlow.h"
#include "ui/MainSession.h"

namespace lumo::ui {

std::vector<int> MainSession::shownPlots() const {
  if (picPlot_[0].visible()) return {0};
  std::vector<int> shown;
  for (int p = 1; p < kPlotSurfaces; ++p)
    if (picPlot_[static_cast<size_t>(p)].visible()) shown.push_back(p);
  return shown;
}

PrintPage MainSession::figurePage(const FigureSize& size) {
  std::vector<PlotSurface> pictures;
  for (int p : shownPlots()) pictures.push_back(figurePicture(p));
  FigureContent content;
  content.plots.yAxisTitle = lblYAxis();
  content.plots.xAxisTitle = kXAxisCaption;
  for (const PlotSurface& picture : pictures) content.plots.plots.push_back(&picture);
  // The SLD profile, while its panel is shown, stands beside the plots with its own
  // captions; its column is too narrow for the legend inside, which goes above it.
  PlotSurface profile;
  if (sldProfileShown()) {
    const std::vector<ProfileEntry> entries = profileEntries();
    profile = profile_.figurePicture(profileModel(), entries);
    FigureGroup side{{&profile}, kSldProfileYCaption, kSldProfileXCaption, {}};
    for (const ProfileEntry& e : entries) side.legend.push_back({kLegendMark + e.label, e.colour});
    content.side = std::move(side);
  }
  return composeFigure(content, size);
}

void MainSession::mnuExportPlot_Click() {
  if (fitRunning() || !menuEnabled(Menu::mnuExportPlot)) return;
  export_.visible = true;
}

// The first shown data set's file name with the figure's extension, in its folder.
std::string MainSession::proposedFigureName() const {
  if (!dataLoaded()) return "plot.svg";
  const int p = shownPlots().front();
  std::filesystem::path name = store_[p == 0 ? currentPlot_ : p].DataFileName;
  if (name.empty()) return "plot.svg";
  return name.replace_extension(".svg").string();
}

void MainSession::cmdExportPlotOK_Click() {
  if (fitRunning() || !menuEnabled(Menu::mnuExportPlot)) return;
  FigureExportRequest request{proposedFigureName(), {}, [this](const FigureSize& size) { return figurePage(size); },
                              kMessageTitle};
  for (int i = 1; i <= store_.NumDataSets; ++i) request.inputs.push_back(store_[i].DataFileName);
  busy_ = true;
  const bool written = exportFigure(export_, dialogs_, *figureWriter_, request);
  busy_ = false;
  if (written) export_.visible = false;
}

}  // namespace lumo::ui
