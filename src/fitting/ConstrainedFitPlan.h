#pragma once
// What the constrained thickness fit needs from the window, checked before anything
// changes: the selected layers (red thickness labels), their thickness ranges and the
// overall thickness bounds typed as Start and Finish.
#include <array>
#include <string>
#include <variant>

#include "fitting/FitRun.h"
#include "fitting/ScrollRange.h"
#include "model/LayerModel.h"

namespace lumo::fitting {

inline constexpr const char* kTooManyLayersMessage =
    "There is a maximum of five layers for multi-layer fitting !";
inline constexpr const char* kBoundsNotNumbersMessage =
    "Start and Finish of the overall thickness must be numbers !";
inline constexpr const char* kNoLayerSelectedMessage =
    "Select the layers to fit by clicking their Thickness labels !";

struct ConstrainedFitRequest {
  int numLayers = 1;
  std::array<bool, kMaxLayers + 1> selected{};               // layers 1..numLayers
  std::array<ScrollRange, kMaxLayers + 1> thicknessRange{};  // hsbThickness(k), layers 1..20
  std::string startText;
  std::string finishText;
};

// The selected layers in order of layer number (positions 1..count) with the range each
// is searched over, and the bounds of the sum of their thicknesses.
struct ConstrainedFitPlan {
  int count = 0;
  std::array<int, kMaxConstrainedLayers + 1> layer{};
  std::array<int, kMaxConstrainedLayers + 1> min{};
  std::array<int, kMaxConstrainedLayers + 1> max{};
  float start = 0.0f;
  float finish = 0.0f;
};

enum class ConstrainedFitProblem {
  BoundsNotNumbers,  // message shown, nothing changes
  StartAfterFinish,  // no message: the window resets both boxes to constraintDefaults()
  TooManyLayers,     // the limit panel with kTooManyLayersMessage
  NoLayerSelected,   // message shown, nothing changes
};

struct ConstrainedFitRefusal {
  ConstrainedFitProblem problem;
  std::string message;  // empty for StartAfterFinish
};

using ConstrainedFitCheck = std::variant<ConstrainedFitPlan, ConstrainedFitRefusal>;

// Checks, in this order: Start and Finish are numbers within single precision; Start is
// not greater than Finish; at most five layers are selected; at least one is.
ConstrainedFitCheck planConstrainedFit(const ConstrainedFitRequest& request);

// The Start and Finish the boxes are filled with when the constrained fit is chosen (and
// reset to when Start exceeds Finish): the Min of layer 1's thickness range, and the sum
// of the Max of the thickness ranges of layers 1..numLayers.
struct ConstraintDefaults {
  int start = 0;
  int finish = 0;
};
ConstraintDefaults constraintDefaults(const std::array<ScrollRange, kMaxLayers + 1>& thicknessRange,
                                      int numLayers);

}  // namespace lumo::fitting
