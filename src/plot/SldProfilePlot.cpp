#include "plot/SldProfilePlot.h"

#include <algorithm>
#include <cmath>

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
    surface.addText({anchor, "\u25CF " + e.label, right ? HAlign::Right : HAlign::Left, VAlign::Top,
                     TextRole::Legend, e.colour, k - 1});
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
                             const std::vector<ProfileEntry>& entries) {
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
  drawAxesFrame(surface, ranges, frame, FrameRules{true, false, 0, 0, 1});
  surface.addText({{frame.width / 2, 0}, kSldProfileTitle, HAlign::Centre, VAlign::Top, TextRole::Title,
                   colour::Black});
  drawLegend(surface, profiles, ranges, entries, m);
  surface.setPersistentDrawing(false);
  return frame;
}

}  // namespace lumo
