#include "ui/SldProfilePanel.h"

namespace lumo::ui {

bool sameLayerModel(const LayerModel& a, const LayerModel& b) {
  return a.NumLayers == b.NumLayers && a.Thickness == b.Thickness && a.LayerSLD == b.LayerSLD &&
         a.SolventFraction == b.SolventFraction && a.Roughness == b.Roughness &&
         a.IncidentSLD == b.IncidentSLD && a.SolventSLD == b.SolventSLD;
}

const PlotSurface& SldProfilePanel::picture(const LayerModel& model,
                                            const std::vector<ProfileEntry>& entries) {
  if (drawn_ && entries == entries_ && sameLayerModel(model, model_)) return surface_;
  model_ = model;
  entries_ = entries;
  profiles_.compute(model, static_cast<int>(entries.size()));
  drawSldProfile(surface_, profiles_, entries);
  surface_.setVisible(true);
  drawn_ = true;
  ++drawings_;
  return surface_;
}

PlotSurface SldProfilePanel::figurePicture(const LayerModel& model, const std::vector<ProfileEntry>& entries) {
  (void)picture(model, entries);  // brings the profiles up to date
  PlotSurface figure;
  drawSldProfile(figure, profiles_, entries, ProfileLabels::Outside);
  figure.setVisible(true);
  return figure;
}

}  // namespace lumo::ui
