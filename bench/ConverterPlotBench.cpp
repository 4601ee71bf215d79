// The converter's plot view at its largest: 49 curves of 1024 points with points, lines
// and error bars, redrawn after a zoom in the window at its start-up size (the plot store
// drawn on its surface, and the plot widget repainted). Also one curve of 1024 points.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "converter/DataConverter.h"
#include "converter/FileBrowser.h"
#include "converter/PlotViewPanel.h"
#include "platform/ScriptedDialogs.h"
#include "plot/PlotWidget.h"

namespace lumo::bench {
namespace {

constexpr int kPoints = 1024;

// NIST files of fringed, decaying curves, one per possible curve.
class CurveFolder {
 public:
  CurveFolder() : folder_(std::filesystem::temp_directory_path() /
                          ("lumo-bench-plot-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
    char line[96];
    for (int f = 0; f < converter::kMaxPlots; ++f) {
      char name[32];
      std::snprintf(name, sizeof name, "run%02d.dat", f);
      names_.emplace_back(name);
      std::FILE* out = std::fopen((folder_ / name).string().c_str(), "wb");
      for (int i = 0; i < kPoints; ++i) {
        const double q = 0.005 + 0.3 * i / (kPoints - 1);
        const double r = std::pow(10.0, -20 * q) * (1.2 + std::sin(80 * q + 0.1 * f));
        std::snprintf(line, sizeof line, "%.9e,%.9e,%.9e\r\n", q, r, 0.05 * r);
        std::fputs(line, out);
      }
      std::fclose(out);
    }
  }
  ~CurveFolder() { std::filesystem::remove_all(folder_); }
  QString folder() const { return QString::fromStdString(folder_.string()); }
  QStringList names(int count) const {
    QStringList list;
    for (int f = 0; f < count; ++f) list << QString::fromStdString(names_[static_cast<size_t>(f)]);
    return list;
  }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> names_;
};

void BM_ConverterPlotRedraw(benchmark::State& state) {
  static const CurveFolder files;
  const int curves = static_cast<int>(state.range(0));
  ScriptedDialogs dialogs;
  ui::DataConverter window(&dialogs);
  window.show();
  window.browser()->setFolder(files.folder());
  window.inputOptions[1]->setChecked(true);  // NIST Data
  window.browser()->selectNames(files.names(curves));
  window.cmdPlot_Click();
  converter::PlotView& view = window.state().plotView();
  view.tools().SSCAddPlot_Click();
  for (int k = 2; k <= curves; ++k) view.tools().cmdAddPlot_Click(k - 1);
  view.tools().cmdAddPlotReturn_Click();
  view.setSwitch(converter::PlotSwitch::SSRLine, true);
  ui::PlotViewPanel* panel = window.plotPanel();
  panel->refresh();
  QApplication::processEvents();
  if (view.store().NumPlots() != curves) state.SkipWithError("the curves were not all plotted");

  // Each iteration is one zoom, released right of the axis so that the ends stay: from
  // Q = 0.02 on, then from the first point again (a press left of the axis).
  bool fromFirst = false;
  for (auto _ : state) {
    const PlotMapping& m = view.axes().frame.mapping;
    const double y = m.YBottom - 500 * m.YR, right = view.axes().dataRight() + 10;
    const double press = fromFirst ? m.XLeft - 10 : m.mapX(0.02);
    view.pointer().mouseDown({press, y}, converter::PlotButton::Left);
    view.pointer().mouseUp({right, y}, converter::PlotButton::Left);
    panel->refresh();
    panel->picPlot()->repaint();
    fromFirst = !fromFirst;
  }
}
BENCHMARK(BM_ConverterPlotRedraw)->ArgName("curves")->Arg(1)->Arg(49)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumo::bench
