// Runs every benchmark and reports each measured path as a ratio against the simple
// reference measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace lumo::bench {
double engineAgainstTextbook();
}

namespace {

// Keeps the median real time of every benchmark while the console reporter prints.
class MedianCollector : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      const auto slash = name.find("_median");
      if (run.run_type == Run::RT_Aggregate && slash != std::string::npos) {
        medians[name.substr(0, slash)] = run.GetAdjustedRealTime();
        seconds[name.substr(0, slash)] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
      else if (run.run_type == Run::RT_Iteration && !medians.count(name))
        medians[name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
  std::map<std::string, double> seconds;  // medians in seconds
};

// A benchmark is given as "name" or "name/arguments"; the ratio pairs name a measured
// path and the simple reference it is compared with.
struct Ratio {
  const char* measured;
  const char* reference;
  double target;  // the measured path must be at least this many times faster
};

const Ratio kRatios[] = {
    {"BM_FullRecalculation", "BM_TextbookReference", 3.0},
    {"BM_ThicknessChange", "BM_TextbookReference", 5.0},
};

// Paths with a limit of their own in seconds (median real time); a benchmark is named
// by the start of its full name.
struct TimeLimit {
  const char* measured;
  double seconds;
};

const TimeLimit kTimeLimits[] = {
    {"BM_ConvertBatch", 3.0},
};

bool timeLimitsMet(const MedianCollector& reporter) {
  bool allMet = true;
  for (const TimeLimit& limit : kTimeLimits) {
    for (const auto& [name, seconds] : reporter.seconds) {
      if (name.rfind(limit.measured, 0) != 0) continue;
      const bool met = seconds <= limit.seconds;
      allMet = allMet && met;
      std::printf("  %-28s %7.3f s (limit %.1f s) %s\n", limit.measured, seconds, limit.seconds,
                  met ? "met" : "NOT MET");
    }
  }
  return allMet;
}

}  // namespace

int main(int argc, char** argv) {
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

  std::printf("\nRatios (median real time, same run):\n");
  bool allMet = true;
  for (const Ratio& r : kRatios) {
    if (!reporter.medians.count(r.measured) || !reporter.medians.count(r.reference)) continue;
    const double ratio = reporter.medians[r.reference] / reporter.medians[r.measured];
    const bool met = ratio >= r.target;
    allMet = allMet && met;
    std::printf("  %-28s %7.2fx faster than %s (target %.0fx) %s\n", r.measured, ratio,
                r.reference, r.target, met ? "met" : "NOT MET");
  }
  std::printf("\nTime limits (median real time):\n");
  allMet = timeLimitsMet(reporter) && allMet;
  benchmark::Shutdown();
  return allMet ? 0 : 3;
}
