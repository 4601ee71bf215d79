#include "converter/PlotStore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumo::converter {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// Applies `change` to every point's value in `values` (PlotY or PlotdR) of every curve.
template <typename Change>
void changeEvery(std::vector<PlotCurve>& curves, std::vector<float> PlotCurve::*values,
                 Change change) {
  for (size_t k = 1; k < curves.size(); ++k) {
    std::vector<float>& v = curves[k].*values;
    for (int i = 1; i <= curves[k].PlotCount; ++i)
      v[static_cast<size_t>(i)] = change(v[static_cast<size_t>(i)]);
  }
}

// The window limits in the kept points: how many kept points lie at or before each.
void keepWindow(PlotCurve& c, const std::vector<int>& keptUpTo) {
  const int start = keptUpTo[static_cast<size_t>(std::clamp(c.PlotStart - 1, 0, c.PlotCount))] + 1;
  const int end = keptUpTo[static_cast<size_t>(std::clamp(c.PlotEnd, 0, c.PlotCount))];
  // A window whose points were all left out shows the whole curve again.
  const bool empty = end < start;
  c.PlotStart = empty ? 1 : start;
  c.PlotEnd = empty ? keptUpTo.back() : end;
}

void compactPositive(PlotCurve& c) {
  std::vector<int> keptUpTo(static_cast<size_t>(c.PlotCount) + 1, 0);
  int kept = 0;
  for (int i = 1; i <= c.PlotCount; ++i) {
    const auto at = static_cast<size_t>(i);
    if (c.PlotY[at] > 0 && c.PlotYHigh(i) > 0 && c.PlotYLow(i) > 0) {
      const auto to = static_cast<size_t>(++kept);
      c.PlotX[to] = c.PlotX[at];
      c.PlotY[to] = c.PlotY[at];
      c.PlotdR[to] = c.PlotdR[at];
    }
    keptUpTo[at] = kept;
  }
  const size_t size = static_cast<size_t>(kept) + 1;
  for (auto* v : {&c.PlotX, &c.PlotY, &c.PlotdR}) v->resize(size);
  keepWindow(c, keptUpTo);
  c.PlotCount = kept;
}

}  // namespace

void PlotStore::copyInto(PlotCurve& c, const ConvData& data) {
  const int n = std::clamp(data.ConvNumPoints, 0, kMaxConvPoints);
  const size_t size = static_cast<size_t>(n) + 1;
  c.PlotX.assign(data.ConvQ.begin(), data.ConvQ.begin() + static_cast<long>(size));
  c.PlotY.assign(data.ConvR.begin(), data.ConvR.begin() + static_cast<long>(size));
  c.PlotdR.assign(data.ConvdR.begin(), data.ConvdR.begin() + static_cast<long>(size));
  c.PlotCount = n;
}

void PlotStore::startWith(const ConvData& data, std::string fullName, std::string name) {
  curves_.assign(2, PlotCurve{});
  PlotCurve& c = curves_[1];
  copyInto(c, data);
  c.PlotFullName = std::move(fullName);
  c.PlotName = std::move(name);
  c.PlotColour = 1;
  resetWindows();
}

bool PlotStore::add(const ConvData& data, std::string fullName, std::string name) {
  if (NumPlots() == 0) {
    startWith(data, std::move(fullName), std::move(name));
    return true;
  }
  if (NumPlots() >= kMaxPlots) return false;
  PlotCurve c;
  copyInto(c, data);
  c.PlotFullName = std::move(fullName);
  c.PlotName = std::move(name);
  const int next = curves_.back().PlotColour + 1;
  c.PlotColour = next >= kCurveColours ? 0 : next;
  curves_.push_back(std::move(c));
  resetWindows();
  return true;
}

void PlotStore::remove(int k) {
  if (NumPlots() <= 1 || k < 1 || k > NumPlots()) return;
  curves_.erase(curves_.begin() + k);
}

void PlotStore::resetWindows() {
  for (size_t k = 1; k < curves_.size(); ++k) {
    curves_[k].PlotStart = 1;
    curves_[k].PlotEnd = curves_[k].PlotCount;
  }
}

void PlotStore::scale(float factor) {
  const auto times = [factor](float v) { return v * factor; };
  changeEvery(curves_, &PlotCurve::PlotY, times);
  changeEvery(curves_, &PlotCurve::PlotdR, times);
}

void PlotStore::subtractBackground(float background) {
  changeEvery(curves_, &PlotCurve::PlotY, [background](float v) { return v - background; });
}

void PlotStore::keepPositivePoints() {
  for (size_t k = 1; k < curves_.size(); ++k) compactPositive(curves_[k]);
}

double PlotStore::shownX(float x) const {
  if (!logX) return x;
  return x > 0 ? std::log10(double(x)) : kNoValue;
}

double PlotStore::shownY(float y) const {
  if (!logY) return y;
  return y > 0 ? std::log10(double(y)) : kNoValue;
}

// Positions are compared in single precision, as the store holds them.
float PlotStore::shownXSingle(const PlotCurve& c, int i) const {
  return static_cast<float>(shownX(c.PlotX[static_cast<size_t>(i)]));
}

std::vector<int> PlotStore::pendingStartsAt(double x1) const {
  const auto from = static_cast<float>(x1);
  std::vector<int> starts(curves_.size(), 1);
  for (size_t k = 1; k < curves_.size(); ++k) {
    const PlotCurve& c = curves_[k];
    const int latest = std::max(c.PlotCount - 5, 1);
    int start = latest;
    for (int i = 1; i <= c.PlotCount; ++i) {
      if (shownXSingle(c, i) >= from) {
        start = std::min(i, latest);
        break;
      }
    }
    starts[k] = start;
  }
  return starts;
}

std::vector<int> PlotStore::pendingStartsFromFirst() const {
  return std::vector<int>(curves_.size(), 1);
}

void PlotStore::applyZoom(const std::vector<int>& pendingStarts, std::optional<double> x2) {
  const auto to = static_cast<float>(x2.value_or(0));
  for (size_t k = 1; k < curves_.size() && k < pendingStarts.size(); ++k) {
    PlotCurve& c = curves_[k];
    if (x2) {
      c.PlotEnd = 0;
      for (int i = c.PlotCount; i >= 1; --i) {
        if (shownXSingle(c, i) < to) {
          c.PlotEnd = i;
          break;
        }
      }
    }
    c.PlotStart = std::clamp(pendingStarts[k], 1, std::max(c.PlotCount, 1));
    c.PlotEnd = std::min(std::max(c.PlotEnd, c.PlotStart + 2), c.PlotCount);
  }
}

}  // namespace lumo::converter
