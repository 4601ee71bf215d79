#pragma once
// The SLD profile plot: scattering length density (10^-6 Å^-2) against depth z (Å), one
// curve per contrast in the colour of its data set, with the axes, tick labels and
// legend of the main window's plots, all on the persistent layer of a recorded surface
// (so the screen, the print form and figure export draw the same picture).
#include <string>
#include <vector>

#include "model/SldProfile.h"
#include "plot/PlotFrame.h"
#include "plot/PlotSurface.h"

namespace lumo {

// The axes' captions, as the panel's title names them and a figure's captions show them.
#define LUMO_SLD_CAPTION "SLD / 10\u207B\u2076 \u00C5\u207B\u00B2"
#define LUMO_DEPTH_CAPTION "depth z / \u00C5"
inline constexpr const char* kSldProfileYCaption = LUMO_SLD_CAPTION;
inline constexpr const char* kSldProfileXCaption = LUMO_DEPTH_CAPTION;
inline constexpr const char* kSldProfileTitle = LUMO_SLD_CAPTION "  against " LUMO_DEPTH_CAPTION;
#undef LUMO_SLD_CAPTION
#undef LUMO_DEPTH_CAPTION

// A legend line's mark before the contrast's title.
inline constexpr const char* kLegendMark = "\u25CF ";

struct ProfileEntry {
  std::string label;
  int colour = 0;
  bool operator==(const ProfileEntry&) const = default;
};

// The SLD range shown, in 10^-6 Å^-2: every contrast's values with a margin of 5 % of
// their spread (at least 0.2) above and below.
AxisRanges sldProfileRanges(const SldProfiles& profiles);

// Whether the title and the legend are drawn in the plot, or left to a figure that
// sets its captions and legend beside it.
enum class ProfileLabels { Inside, Outside };

// Clears `surface` and draws the profiles of contrasts 1..entries.size() (at most
// profiles.contrasts()); returns the frame, whose mapping places z and SLD (10^-6 Å^-2).
FrameGeometry drawSldProfile(PlotSurface& surface, const SldProfiles& profiles,
                             const std::vector<ProfileEntry>& entries,
                             ProfileLabels labels = ProfileLabels::Inside);

}  // namespace lumo
