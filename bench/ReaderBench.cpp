// Every file reader on a 16 MB file (just under the largest text file the program reads):
// a few items or points with megabytes of blank lines among them, where a reader that
// looked ahead to the end of the file at every item took minutes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "converter/OpenData.h"
#include "converter/TextView.h"
#include "files/DataFile.h"
#include "files/FileText.h"
#include "files/ModelFile.h"
#include "platform/ScriptedDialogs.h"

namespace {

using lumo::converter::InputFormat;

// The file's start, a blank run filling it up to 16 MB, and its end.
struct Layout {
  std::string head, tail;
};

// A 16 MB file written for one benchmark and removed after it.
class LargeFile {
 public:
  explicit LargeFile(const Layout& layout)
      : path_(std::filesystem::temp_directory_path() /
              ("lumo-bench-read-" + std::to_string(::getpid()))) {
    const size_t size = lumo::text::kMaxTextFileBytes - 16;
    std::ofstream out(path_, std::ios::binary);
    out << layout.head << std::string(size - layout.head.size() - layout.tail.size(), '\n')
        << layout.tail;
  }
  ~LargeFile() { std::filesystem::remove(path_); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

std::string lines(const std::string& line, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += line + "\r\n";
  return text;
}

const std::string kPoint = " .01 .9 .05";

void BM_ReadLargeFile(benchmark::State& state, InputFormat format, const Layout& layout) {
  const LargeFile file(layout);
  for (auto _ : state) {
    lumo::converter::ConvData data;
    const auto failure = lumo::converter::OpenData(file.path(), {format, false}, data);
    benchmark::DoNotOptimize(failure);
  }
}

const Layout kIsis{lines("header", 9) + lines("0.01 120 11", 200), lines("0.5 1 1", 1)};
const Layout kNist{lines(kPoint, 500), lines(kPoint, 500)};
const Layout kIll{"title\r\nh\r\n" + lines("1 .01 3 4 5 6 .9 .05 9", 200), "1 2 3 4 5 6 7 8 9"};
const Layout kDrydoc{"1000\r\n" + lines(kPoint, 500), lines(kPoint, 500) + "\"title\""};
const Layout kOwn{"\"LUMO\"\r\n\"t\"\r\n6.35\r\n1000\r\n" + lines(kPoint, 500), lines(kPoint, 500)};
const Layout kFit{" 1 \r\n 0 \r\n 10 2.07 0 3 \r\n 1000 \r\n" + lines(" .01 .9", 500),
                  lines(" .02 .5", 500)};
const Layout kGo{lines("\"\"", 4) + lines(kPoint, 500), lines(kPoint, 500)};
const Layout kOrso{"# # ORSO reflectivity data file | 1.0 standard | YAML encoding | https://www.reflectometry.org/\r\n"
                   "# columns: [{name: Qz, unit: 1/angstrom}, {name: R}, {name: sR}]\r\n" + lines(kPoint, 500),
                   lines(kPoint, 500)};

BENCHMARK_CAPTURE(BM_ReadLargeFile, isis, InputFormat::ISISData, kIsis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, nist, InputFormat::NISTData, kNist)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, ill, InputFormat::ILLData, kIll)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, drydoc, InputFormat::DRYDOCData, kDrydoc)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, lumo, InputFormat::LUMOData, kOwn)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, fit, InputFormat::LumoFit, kFit)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, go, InputFormat::GoData, kGo)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLargeFile, orso, InputFormat::ORSOData, kOrso)->Unit(benchmark::kMillisecond);

// The main window's readers of its own data and model files.
void BM_ReadLargeDataFile(benchmark::State& state) {
  const LargeFile file({"\"LUMO\"\r\n\"t\"\r\n6.35\r\n512\r\n" + lines(kPoint, 256),
                        lines(kPoint, 256)});
  for (auto _ : state)
    benchmark::DoNotOptimize(lumo::readDataFile(file.path(), lumo::PointCount::AsAnnounced));
}
BENCHMARK(BM_ReadLargeDataFile)->Unit(benchmark::kMillisecond);

void BM_ReadLargeModelFile(benchmark::State& state) {
  const LargeFile file(kFit);
  for (auto _ : state) benchmark::DoNotOptimize(lumo::readModelFile(file.path()));
}
BENCHMARK(BM_ReadLargeModelFile)->Unit(benchmark::kMillisecond);

// The converter's text view: its first 1025 items, a blank run among them.
void BM_TextViewLargeFile(benchmark::State& state) {
  const LargeFile file({"first\r\n", "last\r\n"});
  const std::filesystem::path path(file.path());
  lumo::ScriptedDialogs dialogs;
  lumo::converter::TextView view(dialogs);
  const auto selection = lumo::converter::selectFiles(path.parent_path().string(),
                                                      {path.filename().string()});
  for (auto _ : state) {
    view.open(selection);
    if (view.upper().items.size() != 1025) state.SkipWithError("not the first 1025 items");
  }
}
BENCHMARK(BM_TextViewLargeFile)->Unit(benchmark::kMillisecond);

}  // namespace
