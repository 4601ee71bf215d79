#pragma once
// The SLD profile panel as state: whether it is shown, and its picture, which is redrawn
// only when the model or the contrasts shown have changed since it was last drawn, so
// that looking at it after every action costs nothing when nothing it shows has moved.
#include <vector>

#include "model/LayerModel.h"
#include "model/SldProfile.h"
#include "plot/PlotSurface.h"
#include "plot/SldProfilePlot.h"

namespace lumo::ui {

class SldProfilePanel {
 public:
  bool visible = false;

  // The picture of `model` with contrast k labelled and coloured by entries[k - 1].
  const PlotSurface& picture(const LayerModel& model, const std::vector<ProfileEntry>& entries);
  // The same picture without its title and legend, for a figure that sets them beside it.
  PlotSurface figurePicture(const LayerModel& model, const std::vector<ProfileEntry>& entries);
  // How many times the picture has been drawn.
  int drawings() const { return drawings_; }

 private:
  bool drawn_ = false;
  LayerModel model_;
  std::vector<ProfileEntry> entries_;
  SldProfiles profiles_;
  PlotSurface surface_;
  int drawings_ = 0;
};

// The same layer model, value for value.
bool sameLayerModel(const LayerModel& a, const LayerModel& b);

}  // namespace lumo::ui
