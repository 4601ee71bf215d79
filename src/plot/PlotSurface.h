#pragma once
// A drawing surface of the main window: a logical coordinate system and two recorded
// layers of primitives.
//
// The persistent layer holds frame, labels and data; the overlay holds the calculated
// curve. Drawing goes to the persistent layer while persistent drawing is on, else to
// the overlay. Clearing with persistent drawing on empties both layers, with it off only
// the overlay, so a curve refresh never touches the data.
//
// Nothing that could not be painted is recorded: primitives with a coordinate that is
// not finite are dropped, and lines are clipped to a box around the surface (three
// times its size), so no stored value can reach the painter as NaN or overflow it.
#include <cstdint>
#include <optional>
#include <vector>

#include "plot/PlotPrimitive.h"

namespace lumo {

struct LogicalRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

class PlotSurface {
 public:
  void setLogicalSize(double width, double height);
  double width() const { return width_; }
  double height() const { return height_; }

  void setPersistentDrawing(bool on) { persistentDrawing_ = on; }
  bool persistentDrawing() const { return persistentDrawing_; }
  void clear();

  void addLine(LogicalPoint from, LogicalPoint to, int colour);
  void addCircle(LogicalPoint centre, double radius, int colour);
  // Joins the points with a line `width` pixels wide; a point that is not finite breaks
  // the line in two.
  void addPolyline(const std::vector<LogicalPoint>& points, int colour, double width = 1);
  void addText(TextPrimitive text);

  const PrimitiveList& persistent() const { return persistent_; }
  const PrimitiveList& overlay() const { return overlay_; }
  // Increase whenever a layer (or the logical size) changes, so that a painter can
  // keep a rendered copy of the persistent layer until it is stale.
  std::uint64_t persistentVersion() const { return persistentVersion_; }
  std::uint64_t overlayVersion() const { return overlayVersion_; }

  // The data area inside the frame, where the overlay's curves are painted (a curve
  // running out of the axes' range is cut at the axes). Reset by a full clear.
  void setDataArea(LogicalRect area) { dataArea_ = area; }
  const std::optional<LogicalRect>& dataArea() const { return dataArea_; }

  // While set, lines, circles and polylines are recorded only inside this rectangle:
  // lines are cut at its edges and circles whose centre lies outside it are dropped.
  void setClipArea(std::optional<LogicalRect> area) { clipArea_ = area; }

  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  // Clips the segment to the recording box (or the clip area); false when nothing of it
  // lies inside.
  bool clipToBox(LogicalPoint& a, LogicalPoint& b) const;

 private:
  PrimitiveList& target();
  void touch();
  bool insideBox(LogicalPoint p) const;
  LogicalRect recordingBox() const;

  double width_ = 1000, height_ = 1000;
  bool persistentDrawing_ = false;
  bool visible_ = false;
  std::optional<LogicalRect> dataArea_;
  std::optional<LogicalRect> clipArea_;
  PrimitiveList persistent_, overlay_;
  std::uint64_t persistentVersion_ = 0, overlayVersion_ = 0;
};

}  // namespace lumo
