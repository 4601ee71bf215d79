// Runs every benchmark and reports each measured path as a ratio against the simple
// reference measured in the same run.
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
}

namespace {

// Keeps the median CPU time of every benchmark while the console reporter prints. The
// benchmarks are single-threaded, so on a quiet machine CPU and real time agree; CPU time
// keeps the ratios meaningful when other work shares the machine.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      const auto slash = name.find("_median");
      if (run.run_type == Run::RT_Aggregate && slash != std::string::npos)
        medians[name.substr(0, slash)] = run.GetAdjustedCPUTime();
      else if (run.run_type == Run::RT_Iteration && !medians.count(name))
        medians[name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

// A benchmark is given as "name" or "name/arguments"; the ratio pairs name a measured
// path and the simple reference it is compared with.
struct Ratio {
  const char* measured;
  const char* reference;
  double target;  // the measured path must be at least this many times faster
  double measuredCount = 1;  // repetitions of the path within one run of `measured`
};

const Ratio kRatios[] = {
    {"BM_FullRecalculation", "BM_TextbookReference", 3.0},
    {"BM_ThicknessChange", "BM_TextbookReference", 5.0},
    // One evaluation of the constrained fit against a full recalculation.
    {"BM_ConstrainedFit2", "BM_FullRecalculation", 4.0, 101 * 101},
};

// Medians (in the benchmark's own time unit) that must not be exceeded.
struct Limit {
  const char* name;
  double limit;
  const char* unit;
};

const Limit kLimits[] = {
    {"BM_ThicknessScan", 25000, "us"},
    {"BM_ThicknessScanInSlices", 25000, "us"},
    {"BM_ConstrainedFit2", 2500000, "us"},
    // One layer scroll step in the window: recalculation and four plots repainted.
    {"BM_ScrollStepRepaint", 8000, "us"},
    // The converter's plot redrawn after a zoom: one curve, and 49 curves, of 1024 points.
    {"BM_ConverterPlotRedraw/curves:1", 3000, "us"},
    {"BM_ConverterPlotRedraw/curves:49", 50000, "us"},
    // 1000 "NIST Data" files of 512 points converted to all four outputs.
    {"BM_ConvertBatch/repeats:3", 3000, "ms"},
};

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

  std::printf("\nRatios (median CPU time, same run):\n");
  bool allMet = true;
  for (const Ratio& r : kRatios) {
    if (!reporter.medians.count(r.measured) || !reporter.medians.count(r.reference)) continue;
    const double ratio =
        reporter.medians[r.reference] / (reporter.medians[r.measured] / r.measuredCount);
    const bool met = ratio >= r.target;
    allMet = allMet && met;
    std::printf("  %-28s %7.2fx faster than %s (target %.0fx) %s\n", r.measured, ratio,
                r.reference, r.target, met ? "met" : "NOT MET");
  }
  std::printf("\nLimits (median CPU time):\n");
  for (const Limit& l : kLimits) {
    if (!reporter.medians.count(l.name)) continue;
    const double median = reporter.medians[l.name];
    const bool met = median > 0 && median <= l.limit;  // an erroneous run reports 0
    allMet = allMet && met;
    std::printf("  %-28s %10.0f %s (at most %.0f) %s\n", l.name, median, l.unit, l.limit,
                met ? "met" : "NOT MET");
  }
  benchmark::Shutdown();
  return allMet ? 0 : 3;
}
