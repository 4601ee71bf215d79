#include "plot/SldProfilePlot.h"

#include <algorithm>
#include <cmath>

#include "files/NumberText.h"
#include "plot/StandardColour.h"

namespace lumo {
namespace {

constexpr double kPerUnit = 1e6;  // Å^-2 to 10^-6 Å^-2
constexpr double kCurveWidth = 1.6;

int shownContrasts(const SldProfiles& profiles, const std::vector<ProfileEntry>& entries) {
  return std::min(profiles.contrasts(), static_cast<int>(entries.size()));
}

// The highest SLD at the left or right end of the depths, as a fraction of the shown range.
double endHeight(const SldProfiles& profiles, const AxisRanges& r, bool right) {
  double high = r.YMin;
  for (int k = 1; k <= profiles.contrasts(); ++k) {
    const std::vector<double>& rho = profiles.sld(k);
    if (!rho.empty()) high = std::max(high, (right ? rho.back() : rho.front()) * kPerUnit);
  }
  return (high - r.YMin) / (r.YMax - r.YMin);
}

// The legend stacked in the upper corner above the lower of the two ends, where the
// curves leave room.
void drawLegend(PlotSurface& surface, const SldProfiles& profiles, const AxisRanges& r,
                const std::vector<ProfileEntry>& entries, const PlotMapping& m) {
  const bool right = endHeight(profiles, r, true) <= endHeight(profiles, r, false);
  const LogicalRect area = dataArea(m);
  const LogicalPoint anchor = right ? cornerLabelAnchor(m)
                                    : LogicalPoint{area.left + 10 * m.XR, area.top + 10 * m.YR};
  const int shown = shownContrasts(profiles, entries);
  for (int k = 1; k <= shown; ++k) {
    const ProfileEntry& e = entries[static_cast<size_t>(k - 1)];
    surface.addText({anchor, kLegendMark + e.label, right ? HAlign::Right : HAlign::Left, VAlign::Top,
                     TextRole::Legend, e.colour, k - 1});
  }
}

// Depth marks and labels on a round step (1, 2 or 5 times a power of ten) giving three to
// seven labels: the decade rule of the data plots would label a 90 Å stack at 0 only.
void drawDepthAxis(PlotSurface& surface, const AxisRanges& r, const FrameGeometry& f) {
  const PlotMapping& m = f.mapping;
  const double span = double(r.XMax) - double(r.XMin);
  double step = std::pow(10.0, std::floor(std::log10(span / 3)));
  for (double factor : {5.0, 2.0, 1.0})
    if (span / (step * factor) >= 3) {
      step *= factor;
      break;
    }
  for (double z = std::ceil(r.XMin / step) * step; z <= r.XMax; z += step) {
    const double x = m.mapX(z);
    surface.addLine({x, m.YBottom}, {x, 1.02 * m.YBottom}, colour::Black);
    surface.addText({{x, 0.93 * f.height}, text::formatFixed(std::abs(z) < step / 2 ? 0 : z, 0),
                     HAlign::Centre, VAlign::Top, TextRole::XTick, colour::Black});
  }
}

}  // namespace

AxisRanges sldProfileRanges(const SldProfiles& profiles) {
  const DepthRange depth = profiles.range();
  double lo = INFINITY, hi = -INFINITY;
  for (int k = 1; k <= profiles.contrasts(); ++k)
    for (double rho : profiles.sld(k)) {
      lo = std::min(lo, rho * kPerUnit);
      hi = std::max(hi, rho * kPerUnit);
    }
  if (!(lo <= hi)) lo = hi = 0;
  const double pad = std::max(0.05 * (hi - lo), 0.2);
  return {static_cast<float>(depth.zMin), static_cast<float>(depth.zMax), static_cast<float>(lo - pad),
          static_cast<float>(hi + pad)};
}

FrameGeometry drawSldProfile(PlotSurface& surface, const SldProfiles& profiles,
                             const std::vector<ProfileEntry>& entries, ProfileLabels labels) {
  AxisRanges ranges = sldProfileRanges(profiles);
  const FrameGeometry frame = computeFrame(ranges);
  surface.setPersistentDrawing(true);
  surface.clear();
  surface.setLogicalSize(frame.width, frame.height);
  const PlotMapping& m = frame.mapping;
  surface.setClipArea(dataClipArea(m));
  const std::vector<double>& z = profiles.z();
  std::vector<LogicalPoint> points(z.size());
  const int shown = shownContrasts(profiles, entries);
  for (int k = 1; k <= shown; ++k) {
    const std::vector<double>& rho = profiles.sld(k);
    for (size_t i = 0; i < z.size(); ++i) points[i] = m.map(z[i], rho[i] * kPerUnit);
    surface.addPolyline(points, entries[static_cast<size_t>(k - 1)].colour, kCurveWidth);
  }
  surface.setClipArea(std::nullopt);
  drawAxesFrame(surface, ranges, frame, FrameRules{false, false, 0, 0, 1});
  drawDepthAxis(surface, ranges, frame);
  if (labels == ProfileLabels::Inside) {
    surface.addText({{frame.width / 2, 0}, kSldProfileTitle, HAlign::Centre, VAlign::Top, TextRole::Title,
                     colour::Black});
    drawLegend(surface, profiles, ranges, entries, m);
  }
  surface.setPersistentDrawing(false);
  return frame;
}

}  // namespace lumo
