#include "fitting/ConstrainedFitPlan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "files/TextItemReader.h"

namespace lumo::fitting {
namespace {

// A box's text as a single-precision number, surrounding blanks allowed.
std::optional<float> boundOf(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  double value = 0;
  if (!text::parseDecimal(std::string_view(text).substr(first, last - first + 1), value))
    return std::nullopt;
  if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<float>::max())
    return std::nullopt;
  return static_cast<float>(value);
}

ConstrainedFitRefusal refusal(ConstrainedFitProblem problem, const char* message) {
  return {problem, message};
}

}  // namespace

ConstrainedFitCheck planConstrainedFit(const ConstrainedFitRequest& request) {
  const auto start = boundOf(request.startText);
  const auto finish = boundOf(request.finishText);
  if (!start || !finish)
    return refusal(ConstrainedFitProblem::BoundsNotNumbers, kBoundsNotNumbersMessage);
  if (*start > *finish) return refusal(ConstrainedFitProblem::StartAfterFinish, "");

  ConstrainedFitPlan plan;
  plan.start = *start;
  plan.finish = *finish;
  int selected = 0;
  for (int k = 1; k <= std::clamp(request.numLayers, 0, kMaxLayers); ++k) {
    if (!request.selected[static_cast<size_t>(k)]) continue;
    if (++selected > kMaxConstrainedLayers) continue;
    const ScrollRange& range = request.thicknessRange[static_cast<size_t>(k)];
    plan.layer[static_cast<size_t>(selected)] = k;
    plan.min[static_cast<size_t>(selected)] = range.Min;
    plan.max[static_cast<size_t>(selected)] = range.Max;
  }
  if (selected > kMaxConstrainedLayers)
    return refusal(ConstrainedFitProblem::TooManyLayers, kTooManyLayersMessage);
  if (selected == 0)
    return refusal(ConstrainedFitProblem::NoLayerSelected, kNoLayerSelectedMessage);
  plan.count = selected;
  return plan;
}

ConstraintDefaults constraintDefaults(const std::array<ScrollRange, kMaxLayers + 1>& thicknessRange,
                                      int numLayers) {
  ConstraintDefaults d;
  d.start = thicknessRange[1].Min;
  for (int k = 1; k <= std::clamp(numLayers, 0, kMaxLayers); ++k)
    d.finish += thicknessRange[static_cast<size_t>(k)].Max;
  return d;
}

}  // namespace lumo::fitting
