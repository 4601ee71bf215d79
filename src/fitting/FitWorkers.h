#pragma once
// The workspaces and threads a fit spreads its evaluations over: one workspace per core,
// the calling thread working on the first and a helper thread on each of the others.
//
// The evaluations of a scan or a constrained fit are independent, and with the engine
// focused on the fitted layers each total depends only on the model it belongs to
// (model/ReflectivityEngine.h). runTrials() hands them out and merges the workers' bests
// in the order of the evaluations, so a fit gives the same result, to the last bit,
// whatever the number of workers and however the work fell among them.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "fitting/FitWorkspace.h"

namespace lumo::fitting {

class FitWorkers {
 public:
  static constexpr int kMaxWorkers = 8;
  // One worker per available core.
  static int defaultCount();

  // `count` workers (1..kMaxWorkers); the helper threads wait until there is work.
  explicit FitWorkers(int count = defaultCount());
  ~FitWorkers();
  FitWorkers(const FitWorkers&) = delete;
  FitWorkers& operator=(const FitWorkers&) = delete;

  int count() const { return static_cast<int>(workspaces_.size()); }
  FitWorkspace& workspace(int worker) { return *workspaces_[static_cast<size_t>(worker)]; }

  // Every workspace loads `start`, its engine focused on `focusLayer`.
  void loadAll(const FitStart& start, int focusLayer);

  // Runs job(worker) on every worker at once, the calling thread being worker 0; returns
  // when all have returned.
  void runOnAll(const std::function<void(int worker)>& job);

 private:
  void helperLoop(int worker);

  std::vector<std::unique_ptr<FitWorkspace>> workspaces_;
  std::vector<std::thread> helpers_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  const std::function<void(int)>* job_ = nullptr;
  std::uint64_t generation_ = 0;
  int running_ = 0;
  bool stopping_ = false;
};

// The outcome of evaluations first..first + count − 1, as evaluating them one after the
// other gives it.
struct TrialsOutcome {
  std::int64_t bestIndex = -1;  // the first index of the smallest total; −1 when no total
                                // was below +infinity
  float bestTotal = std::numeric_limits<float>::infinity();
  float lastTotal = std::numeric_limits<float>::infinity();  // total of the last index
};

// Evaluates indices first..first + count − 1, each once, spread over the workers:
// evaluate(worker, index) works on that worker's workspace only and returns the total.
// Nothing is allocated.
TrialsOutcome runTrials(FitWorkers& workers, std::int64_t first, std::int64_t count,
                        const std::function<float(int worker, std::int64_t index)>& evaluate);

}  // namespace lumo::fitting
