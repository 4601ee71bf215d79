#pragma once
// The curves of the converter's plot view: up to 49 curves of up to 1024 points, with
// their files' names, colours and zoom windows, and the corrections the plot tools make
// to them. Nothing here touches a file.
//
// Values are always held linear. A logarithmic axis is a way of showing them: shownX
// and shownY give a value as its axis shows it (the base-10 logarithm), and a value that
// has no logarithm (zero or negative) is left out of that plot but kept as it is, so
// that switching an axis to log and back restores every value and a save writes what
// was read, with the user's corrections.
#include <optional>
#include <string>
#include <vector>

#include "converter/ConvData.h"

namespace lumo::converter {

inline constexpr int kMaxPlots = 49;
// Colours of curves are standard colours 0..14 (15, white, would not show).
inline constexpr int kCurveColours = 15;

struct PlotCurve {
  // Points 1..PlotCount; index 0 is never used. The error is kept as read (scaled with
  // R), so that a saved curve carries it exactly; the error bar's ends follow from it.
  std::vector<float> PlotX{0}, PlotY{0}, PlotdR{0};
  float PlotYHigh(int i) const { return at(PlotY, i) + at(PlotdR, i); }
  float PlotYLow(int i) const { return at(PlotY, i) - at(PlotdR, i); }
  int PlotCount = 0;
  int PlotStart = 1, PlotEnd = 0;  // the zoom window
  std::string PlotFullName, PlotName;
  int PlotColour = 1;

 private:
  static float at(const std::vector<float>& v, int i) { return v[static_cast<size_t>(i)]; }
};

class PlotStore {
 public:
  int NumPlots() const { return static_cast<int>(curves_.size()) - 1; }
  // Curves 1..NumPlots.
  const PlotCurve& curve(int k) const { return curves_[static_cast<size_t>(k)]; }
  PlotCurve& curve(int k) { return curves_[static_cast<size_t>(k)]; }

  // One curve of the working data, in colour 1, replacing every curve shown.
  void startWith(const ConvData& data, std::string fullName, std::string name);
  // One more curve of the working data, in the colour after the last curve's (0 after
  // 14); every zoom window is reset. False, changing nothing, when 49 are shown.
  bool add(const ConvData& data, std::string fullName, std::string name);
  // Removes curve k; every later curve moves down one place. The last curve stays.
  void remove(int k);
  // Every curve's window back to all its points.
  void resetWindows();

  // R and both error-bar ends of every point multiplied by `factor` (shown on a log
  // axis as log10(factor) added), or lowered by `background`.
  void scale(float factor);
  void subtractBackground(float background);
  // Keeps the points whose R and error-bar ends are all above 0, in order; a zoom
  // window keeps covering the kept points it covered.
  void keepPositivePoints();

  bool logX = false, logY = false;
  // A value as its axis shows it; NaN when it has no place on a log axis.
  double shownX(float x) const;
  double shownY(float y) const;

  // The zoom: a press at shown X `x1` inside the data area gives each curve's pending
  // start (the first point not below x1, at most PlotCount - 5); a press left of it
  // starts every window at the first point.
  std::vector<int> pendingStartsAt(double x1) const;
  std::vector<int> pendingStartsFromFirst() const;
  // The release: each window from its pending start to the last point below `x2`
  // (without x2 the ends stay), and never shorter than three points.
  void applyZoom(const std::vector<int>& pendingStarts, std::optional<double> x2);

 private:
  void copyInto(PlotCurve& curve, const ConvData& data);
  float shownXSingle(const PlotCurve& c, int i) const;

  std::vector<PlotCurve> curves_{PlotCurve{}};  // slot 0 unused
};

}  // namespace lumo::converter
