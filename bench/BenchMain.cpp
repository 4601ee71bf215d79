// Runs every benchmark and reports each path of the calculation as a ratio against the
// simple reference measured in the same run, and every path against its time limit.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#ifdef LUMO_GUI_BENCH
#include <QApplication>
#endif

namespace lumo::bench {
double engineAgainstTextbook();
const char* engineInstructionSet();
}

namespace {

double microseconds(double value, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond: return value / 1000;
    case benchmark::kMillisecond: return value * 1000;
    case benchmark::kSecond: return value * 1e6;
    case benchmark::kMicrosecond: break;
  }
  return value;
}

// Keeps the median time of every benchmark (in microseconds) while the console reporter
// prints. Single-threaded benchmarks keep their CPU time, which stays meaningful when
// other work shares the machine; those that spread work over threads (UseRealTime) keep
// their real time.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      const bool real = run.run_name.time_type.find("real_time") != std::string::npos;
      const double time = microseconds(real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(),
                                       run.time_unit);
      const auto at = name.find("_median");
      if (run.run_type == Run::RT_Aggregate && at != std::string::npos)
        medians[name.substr(0, at)] = time;
      else if (run.run_type == Run::RT_Iteration && !medians.count(name))
        medians[name] = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

// A benchmark, given as "name" or "name/arguments" (with "/real_time" when it measures
// real time), the longest median it may take (0: no limit) and whether it is a path of
// the calculation, shown as a ratio against BM_TextbookReference of the same run.
struct Target {
  const char* name;
  double limitMicroseconds;
  bool calculation = true;
};

const Target kTargets[] = {
    {"BM_FullRecalculation", 350},
    {"BM_FullRecalculationGeneric", 0},
    {"BM_FullRecalculationLayers/1", 0},
    {"BM_FullRecalculationLayers/5", 0},
    {"BM_FullRecalculationLayers/10", 0},
    {"BM_FullRecalculationLayers/20", 0},
    {"BM_FullRecalculationResolution5", 1400},  // 4 times BM_FullRecalculation's limit
    {"BM_ThicknessChange", 60},
    {"BM_ThicknessChangeResolution5", 240},
    {"BM_ThicknessChangeDeep", 60},
    {"BM_ThicknessScan/real_time", 6000},
    {"BM_ThicknessScanInSlices/real_time", 6000},
    {"BM_ConstrainedFit2/real_time", 600000},
    // The SLD profile view's update: 20 layers, four contrasts.
    {"BM_SldProfile", 1000, false},
    {"BM_SldProfilePanel", 1000, false},
    // Eight parameters refined on three contrasts of 161 points.
    {"BM_Refine8/iterations:1/repeats:3/real_time", 3000000},
    // One layer scroll step in the window: recalculation and four plots repainted.
    {"BM_ScrollStepRepaint", 1700},
    // The same with the four sets and curves on the combined plot.
    {"BM_ScrollStepRepaintCombined", 1700},
    // One step with 5 % dQ/Q resolution on and the SLD profile panel following it.
    {"BM_ScrollStepRepaintResolution5", 8000},
    // Its two parts: the smeared recalculation with the four plots, and the profile panel
    // redrawn with the unsmeared step (each leaves the other its share of the 8 ms).
    {"BM_ScrollStepRepaintResolutionOnly", 3000},
    {"BM_ScrollStepRepaintProfileOnly", 7000},
    // The converter's plot redrawn after a zoom: one curve, and 49 curves, of 1024 points.
    {"BM_ConverterPlotRedraw/curves:1", 3000, false},
    {"BM_ConverterPlotRedraw/curves:49", 50000, false},
    // 1000 "NIST Data" files of 512 points converted to all four outputs.
    {"BM_ConvertBatch/repeats:3", 3000000, false},
    // Every reader on a 16 MB file, most of it blank lines among the items.
    {"BM_ReadLargeFile/isis", 500000, false},
    {"BM_ReadLargeFile/nist", 500000, false},
    {"BM_ReadLargeFile/ill", 500000, false},
    {"BM_ReadLargeFile/drydoc", 500000, false},
    {"BM_ReadLargeFile/lumo", 500000, false},
    {"BM_ReadLargeFile/fit", 500000, false},
    {"BM_ReadLargeFile/go", 500000, false},
    {"BM_ReadLargeFile/orso", 500000, false},
    {"BM_ReadLargeDataFile", 500000, false},
    {"BM_ReadLargeModelFile", 500000, false},
    {"BM_TextViewLargeFile", 500000, false},
};

constexpr const char* kReference = "BM_TextbookReference";

// Prints the table; false when a limit is not met.
bool report(const std::map<std::string, double>& medians) {
  const auto reference = medians.find(kReference);
  std::printf("\nKernel %s. Median times; ratio = %s / median, same run:\n",
              lumo::bench::engineInstructionSet(), kReference);
  if (reference != medians.end())
    std::printf("  %-36s %12.1f us\n", kReference, reference->second);
  bool allMet = true;
  for (const Target& t : kTargets) {
    const auto found = medians.find(t.name);
    if (found == medians.end()) continue;
    const double median = found->second;
    std::printf("  %-36s %12.1f us", t.name, median);
    if (t.calculation && reference != medians.end() && median > 0)
      std::printf("  %8.2fx", reference->second / median);
    if (t.limitMicroseconds > 0) {
      const bool met = median > 0 && median <= t.limitMicroseconds;  // an erroneous run reports 0
      allMet = allMet && met;
      std::printf("  (at most %.0f us) %s", t.limitMicroseconds, met ? "met" : "NOT MET");
    }
    std::printf("\n");
  }
  return allMet;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef LUMO_GUI_BENCH
  // The window benchmarks paint on the offscreen platform unless told otherwise.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#endif
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=7";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  bool userRepetitions = false;
  for (int i = 1; i < argc; ++i)
    if (std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0) userRepetitions = true;
  if (!userRepetitions) {
    args.push_back(repetitions.data());
    args.push_back(aggregates.data());
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());

  const double difference = lumo::bench::engineAgainstTextbook();
  std::printf("Engine against the textbook reference: largest difference of log10 R = %.3g\n",
              difference);
  if (difference > 1e-9) {
    std::fprintf(stderr, "The engine and the textbook reference disagree.\n");
    return 1;
  }

  MedianCollector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const bool allMet = report(reporter.medians);
  benchmark::Shutdown();
  return allMet ? 0 : 3;
}
