#include "plot/PlotSurface.h"

#include <cmath>
#include <utility>

namespace lumo {
namespace {

bool finite(LogicalPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Liang–Barsky: narrows [t0, t1] by one edge of the box; false when the segment lies
// wholly outside that edge.
bool clipEdge(double p, double q, double& t0, double& t1) {
  if (p == 0) return q >= 0;
  const double r = q / p;
  if (p < 0) {
    if (r > t1) return false;
    if (r > t0) t0 = r;
  } else {
    if (r < t0) return false;
    if (r < t1) t1 = r;
  }
  return true;
}

}  // namespace

void PlotSurface::setLogicalSize(double width, double height) {
  // A surface always has some extent, so that the painter's scale is finite.
  width_ = std::isfinite(width) && width > 0 ? width : 1000;
  height_ = std::isfinite(height) && height > 0 ? height : 1000;
  ++persistentVersion_;
  ++overlayVersion_;
}

void PlotSurface::clear() {
  if (persistentDrawing_) {
    persistent_.clear();
    dataArea_.reset();
    ++persistentVersion_;
  }
  overlay_.clear();
  ++overlayVersion_;
}

PrimitiveList& PlotSurface::target() { return persistentDrawing_ ? persistent_ : overlay_; }

void PlotSurface::touch() {
  if (persistentDrawing_)
    ++persistentVersion_;
  else
    ++overlayVersion_;
}

LogicalRect PlotSurface::recordingBox() const {
  if (clipArea_) return *clipArea_;
  return {-width_, -height_, 2 * width_, 2 * height_};
}

bool PlotSurface::insideBox(LogicalPoint p) const {
  const LogicalRect r = recordingBox();
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

bool PlotSurface::clipToBox(LogicalPoint& a, LogicalPoint& b) const {
  if (!finite(a) || !finite(b)) return false;
  const LogicalRect r = recordingBox();
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  if (!clipEdge(-dx, a.x - r.left, t0, t1) || !clipEdge(dx, r.right - a.x, t0, t1) ||
      !clipEdge(-dy, a.y - r.top, t0, t1) || !clipEdge(dy, r.bottom - a.y, t0, t1))
    return false;
  const LogicalPoint start = a;
  if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}

void PlotSurface::addLine(LogicalPoint from, LogicalPoint to, int colour) {
  if (!clipToBox(from, to)) return;
  target().push_back(LinePrimitive{from, to, colour});
  touch();
}

void PlotSurface::addCircle(LogicalPoint centre, double radius, int colour) {
  if (!finite(centre) || !std::isfinite(radius) || !insideBox(centre)) return;
  target().push_back(CirclePrimitive{centre, radius, colour});
  touch();
}

void PlotSurface::addPolyline(const std::vector<LogicalPoint>& points, int colour, double width) {
  PolylinePrimitive run{{}, colour, width};
  auto flush = [&] {
    if (run.points.size() >= 2) target().push_back(run);
    run.points.clear();
  };
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    LogicalPoint a = points[i], b = points[i + 1];
    if (!clipToBox(a, b)) {
      flush();
      continue;
    }
    // A segment continues the run only when its start was not moved by the clipping.
    const bool continues = !run.points.empty() && a.x == points[i].x && a.y == points[i].y;
    if (!continues) {
      flush();
      run.points.push_back(a);
    }
    run.points.push_back(b);
    if (b.x != points[i + 1].x || b.y != points[i + 1].y) flush();
  }
  flush();
  touch();
}

void PlotSurface::addText(TextPrimitive text) {
  if (!finite(text.anchor)) return;
  target().push_back(std::move(text));
  touch();
}

}  // namespace lumo
