// The main window's live editing on the largest problem it holds: 4 data sets × 512
// points × 20 layers, "Calculate Fit" on. One scroll step of a layer parameter is the
// recalculation, the rebuilt overlay and the repaint of all four plots, or of the
// combined plot with all four sets and curves; and the same with 5 % resolution and the
// SLD profile panel shown, which follows the step; and each of those two alone.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "files/TextWriter.h"
#include "platform/ScriptedDialogs.h"
#include "platform/WorkingFolder.h"
#include "plot/PlotWidget.h"
#include "ui/Lumo3.h"

namespace lumo::bench {
namespace {

// A data file of `points` points of a decaying, fringed curve.
std::string dataFile(const std::filesystem::path& folder, int slot, double sld, int points) {
  text::TextWriter w;
  w.writeString("LUMO").endLine();
  w.writeString("Contrast " + std::to_string(slot)).endLine();
  w.writeNumber(sld).endLine();
  w.writeInteger(points).endLine();
  for (int i = 0; i < points; ++i) {
    const double q = 0.005 + 0.295 * i / (points - 1);
    const double r = std::pow(10.0, -20 * q) * (1.2 + std::sin(80 * q));
    w.writeNumber(q).writeNumber(r).writeNumber(0.05 * r).endLine();
  }
  const auto path = folder / ("contrast" + std::to_string(slot) + ".vld");
  std::ofstream(path, std::ios::binary) << w.text();
  return path.string();
}

struct StepCase {
  bool combined = false;  // the four sets and their curves share the enlarged plot
  bool resolution5 = false;  // 5 % dQ/Q smearing
  bool profile = false;  // the SLD profile panel shown, following the step
};

void scrollStepRepaint(benchmark::State& state, StepCase c) {
  const bool combined = c.combined;
  const auto folder = std::filesystem::temp_directory_path() /
                      ("lumo-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  ScriptedDialogs dialogs;
  FixedWorkingFolder workingFolder(folder.string());
  const double slds[] = {6.35, 4.0, 2.07, -0.56};
  for (int slot = 1; slot <= 4; ++slot) dialogs.queueFile(dataFile(folder, slot, slds[slot - 1], 512));
  {
    ui::Lumo3 window(&dialogs, &workingFolder);
    window.resize(1280, 800);
    window.show();
    window.run([combined, c](ui::MainSession& s) {
      s.toolClicked(ui::Tool::SSROpenData, true);
      s.setScrollValue({ScrollFamily::NumLayers}, kMaxLayers);
      for (int i = 1; i <= kMaxLayers; ++i) {
        s.setScrollValue({ScrollFamily::Thickness, i}, 20 + i);
        s.setScrollValue({ScrollFamily::SLD, i}, i % 2 ? 600 : 100);
        s.setScrollValue({ScrollFamily::Solvent, i}, 10);
        s.setScrollValue({ScrollFamily::Roughness, i}, 3);
      }
      s.toolClicked(ui::Tool::SSRFitting, true);
      if (combined) s.toolClicked(ui::Tool::SSRMultiPlot, true);
      if (c.resolution5) {
        s.menuClicked(ui::Menu::mnuResolution);
        s.setResolutionText("5");
        s.cmdResolutionOK_Click();
      }
      if (c.profile) s.toolClicked(ui::Tool::SSRSldProfile, true);
    });
    QApplication::processEvents();

    int thickness = 40;
    for (auto _ : state) {
      // Layer 1 is the worst case: every interface lies below it.
      thickness = thickness == 40 ? 41 : 40;
      window.moveScrollBar({ScrollFamily::Thickness, 1}, thickness);
      window.run([](ui::MainSession&) {});
      if (combined)
        window.plotWidget(0)->repaint();
      else
        for (int p = 1; p <= 4; ++p) window.plotWidget(p)->repaint();
      if (c.profile) window.profileWidget()->repaint();
    }
  }
  std::filesystem::remove_all(folder);
}

void BM_ScrollStepRepaint(benchmark::State& state) { scrollStepRepaint(state, {}); }
void BM_ScrollStepRepaintCombined(benchmark::State& state) { scrollStepRepaint(state, {true, false}); }
void BM_ScrollStepRepaintResolution5(benchmark::State& state) { scrollStepRepaint(state, {false, true, true}); }
void BM_ScrollStepRepaintResolutionOnly(benchmark::State& state) { scrollStepRepaint(state, {false, true, false}); }
void BM_ScrollStepRepaintProfileOnly(benchmark::State& state) { scrollStepRepaint(state, {false, false, true}); }
BENCHMARK(BM_ScrollStepRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollStepRepaintCombined)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollStepRepaintResolution5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollStepRepaintResolutionOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollStepRepaintProfileOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lumo::bench
