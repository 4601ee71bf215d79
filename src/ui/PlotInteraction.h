#pragma once
// What the mouse does over the plots, as state: the read-out labels "Q:" and "Ref:", the
// pointer shape over each surface, the red range line LineX1 that follows a left-button
// drag, the background marker line LineBackgroundSub, and the point RangeStart(d) where
// the last range press began. Coordinates are the surfaces' logical ones; the session
// decides what a press or release does to the data.
#include <array>
#include <optional>
#include <string>

#include "files/DataSet.h"
#include "plot/PlotMapping.h"

namespace lumo::ui {

inline constexpr int kInteractionSurfaces = 5;  // 0 enlarged, 1..4 small

struct MarkerLine {
  bool visible = false;
  LogicalPoint from, to;
};

enum class PlotCursor { Default, Cross };
enum class MouseButton { Left, Right, Other };

// How one surface shows its data set: its mapping and which axes hold logarithms.
struct PointerView {
  PlotMapping mapping;
  bool logX = false;
  bool logY = false;
  bool enlarged = false;  // surface 0
};

// The Q points a range is searched on: DataQ (stored representation) with data loaded,
// the calculation grid for the start-up curves.
struct RangeGrid {
  const PointArray* q = nullptr;
  int count = 0;
};

class PlotInteraction {
 public:
  const std::string& lblQPosition() const { return qText_; }
  const std::string& lblReflectivityPosition() const { return rText_; }
  PlotCursor cursor(int p) const { return cursor_[idx(p)]; }
  const MarkerLine& LineX1(int p) const { return rangeLine_[idx(p)]; }
  const MarkerLine& LineBackgroundSub(int p) const { return backgroundLine_[idx(p)]; }
  int RangeStart(int d) const { return rangeStart_[idx(d)]; }

  // Movement over surface p: read-outs and pointer (the cross inside the data area,
  // unless `keepPointer` because a data dialog is open); with the left button held, the
  // end of the range line follows, never left of its start nor past the data area; in
  // background mode the marker line runs across the data area at the pointer's height.
  void mouseMove(int p, const PointerView& view, LogicalPoint at, bool leftHeld,
                 bool backgroundMode, bool keepPointer);
  // Leaving a surface: pointer and read-outs back to their rest.
  void mouseLeave(int p);

  // A left press that starts a range on surface p for data set d: left of the data area
  // the range starts at DataFirst, inside it at the grid point under the pointer (see
  // rangeStartAt); the range line is shown. Right of the data area nothing starts.
  void startRange(int p, int d, const PointerView& view, LogicalPoint at, const DataSet& set,
                  RangeGrid grid);
  // A left release: the last point of the range chosen (up to the last point when
  // released right of the data area), or nothing when released left of the range line's
  // start or of the data area, or when no range was started. The line is hidden.
  std::optional<int> endRange(int p, const PointerView& view, LogicalPoint at, RangeGrid grid);

  void hideRangeLine(int p) { rangeLine_[idx(p)].visible = false; }
  void hideBackgroundLines();
  // The state of data set `from` becomes that of `to` (a plot removed before it).
  void moveDataSet(int from, int to);

 private:
  static size_t idx(int i) { return static_cast<size_t>(i); }
  void showReadOut(const PointerView& view, LogicalPoint at);

  std::string qText_ = "Q:    ", rText_ = "Ref: ";
  std::array<PlotCursor, kInteractionSurfaces> cursor_{};
  std::array<MarkerLine, kInteractionSurfaces> rangeLine_{}, backgroundLine_{};
  std::array<int, kMaxDataSets + 1> rangeStart_{1, 1, 1, 1, 1};
};

}  // namespace lumo::ui
