// The converter's batch run as the command line runs it: 1000 "NIST Data" files of 512
// points each, converted to all four outputs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/Cli.h"

namespace {

constexpr int kFiles = 1000;
constexpr int kPointsPerFile = 512;

// A folder of measured-looking files, made once and removed at exit.
class BatchFolder {
 public:
  BatchFolder() : folder_(std::filesystem::temp_directory_path() /
                          ("lumo-bench-convert-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
    std::mt19937 random(12);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    char line[96];
    for (int f = 0; f < kFiles; ++f) {
      const std::string path = (folder_ / ("run" + std::to_string(f) + ".dat")).string();
      std::FILE* out = std::fopen(path.c_str(), "wb");
      for (int i = 0; i < kPointsPerFile; ++i) {
        const double q = 0.01 + 0.0005 * i, r = unit(random), dr = 0.01 * unit(random);
        std::snprintf(line, sizeof line, "%.15e,%.15e,%.15e\r\n", q, r, dr);
        std::fputs(line, out);
      }
      std::fclose(out);
      paths_.push_back(path);
    }
  }
  ~BatchFolder() { std::filesystem::remove_all(folder_); }
  const std::vector<std::string>& paths() const { return paths_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> paths_;
};

void BM_ConvertBatch(benchmark::State& state) {
  static const BatchFolder folder;
  std::vector<std::string> args = {"convert", "--from", "nist", "--to", "lumo,drydoc,excel,go"};
  args.insert(args.end(), folder.paths().begin(), folder.paths().end());
  for (auto _ : state) {
    std::ostringstream out, err;
    if (lumo::cli::run(args, out, err) != lumo::cli::kExitOk) state.SkipWithError("conversion failed");
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_ConvertBatch)->Unit(benchmark::kMillisecond)->Repetitions(3);

}  // namespace
