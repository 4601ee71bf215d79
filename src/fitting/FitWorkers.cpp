#include "fitting/FitWorkers.h"

#include <algorithm>
#include <array>
#include <atomic>

#include "fitting/BestTrial.h"

namespace lumo::fitting {

int FitWorkers::defaultCount() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxWorkers);
}

FitWorkers::FitWorkers(int count) {
  for (int w = 0; w < std::clamp(count, 1, kMaxWorkers); ++w)
    workspaces_.push_back(std::make_unique<FitWorkspace>());
  for (int w = 1; w < this->count(); ++w) helpers_.emplace_back([this, w] { helperLoop(w); });
}

FitWorkers::~FitWorkers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : helpers_) t.join();
}

void FitWorkers::loadAll(const FitStart& start, int focusLayer) {
  for (auto& ws : workspaces_) {
    ws->load(start);
    ws->engine.setFocusLayer(focusLayer);
  }
}

void FitWorkers::runOnAll(const std::function<void(int)>& job) {
  if (helpers_.empty()) {
    job(0);
    return;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = &job;
    running_ = static_cast<int>(helpers_.size());
    ++generation_;
  }
  wake_.notify_all();
  job(0);
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return running_ == 0; });
  job_ = nullptr;
}

void FitWorkers::helperLoop(int worker) {
  std::uint64_t seen = 0;
  for (;;) {
    const std::function<void(int)>* job = nullptr;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
      if (stopping_) return;
      seen = generation_;
      job = job_;
    }
    (*job)(worker);
    std::lock_guard<std::mutex> lock(mutex_);
    if (--running_ == 0) done_.notify_one();
  }
}

namespace {

// One worker's share: its best in the order it met them (its indices only grow).
struct Share {
  BestTrial best;
  std::int64_t bestIndex = -1;
  float lastTotal = 0.0f;
  bool evaluatedLast = false;
};

// What the workers of one step share; they take indices a few at a time, so that a
// worker slowed by other work on the machine holds up the others by a few evaluations
// at most.
struct Step {
  std::int64_t end = 0;
  std::int64_t chunk = 1;
  std::atomic<std::int64_t> next{0};
  std::array<Share, FitWorkers::kMaxWorkers> shares{};
  const std::function<float(int, std::int64_t)>* evaluate = nullptr;

  void work(int worker) {
    Share& share = shares[static_cast<size_t>(worker)];
    for (std::int64_t from = next.fetch_add(chunk); from < end; from = next.fetch_add(chunk)) {
      for (std::int64_t i = from; i < std::min(from + chunk, end); ++i) {
        const float total = (*evaluate)(worker, i);
        if (share.best.offer(total)) share.bestIndex = i;
        if (i == end - 1) {
          share.lastTotal = total;
          share.evaluatedLast = true;
        }
      }
    }
  }

  TrialsOutcome merge(int workers) const {
    TrialsOutcome outcome;
    for (int w = 0; w < workers; ++w) {
      const Share& share = shares[static_cast<size_t>(w)];
      if (share.evaluatedLast) outcome.lastTotal = share.lastTotal;
      if (share.bestIndex < 0) continue;
      const float total = share.best.total();
      if (outcome.bestIndex < 0 || total < outcome.bestTotal ||
          (total == outcome.bestTotal && share.bestIndex < outcome.bestIndex)) {
        outcome.bestIndex = share.bestIndex;
        outcome.bestTotal = total;
      }
    }
    return outcome;
  }
};

}  // namespace

TrialsOutcome runTrials(FitWorkers& workers, std::int64_t first, std::int64_t count,
                        const std::function<float(int, std::int64_t)>& evaluate) {
  Step step;
  step.end = first + count;
  step.chunk = std::clamp<std::int64_t>(count / (8 * workers.count()), 1, 16);
  step.next = first;
  step.evaluate = &evaluate;
  if (count <= 1 || workers.count() == 1)
    step.work(0);
  else
    workers.runOnAll([&step](int worker) { step.work(worker); });
  return step.merge(workers.count());
}

}  // namespace lumo::fitting
