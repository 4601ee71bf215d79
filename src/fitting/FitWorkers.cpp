#include "fitting/FitWorkers.h"

#include <algorithm>
#include <atomic>

#include "fitting/BestTrial.h"

namespace lumo::fitting {

int FitWorkers::defaultCount() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
}

FitWorkers::FitWorkers(int count) {
  for (int w = 0; w < std::max(count, 1); ++w)
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

}  // namespace

TrialsOutcome runTrials(FitWorkers& workers, std::int64_t first, std::int64_t count,
                        const std::function<float(int, std::int64_t)>& evaluate) {
  const std::int64_t end = first + count;
  std::vector<Share> shares(static_cast<size_t>(workers.count()));
  std::atomic<std::int64_t> next{first};
  // Indices go out a few at a time, so that a worker slowed by other work on the
  // machine holds up the others by a few evaluations at most.
  const std::int64_t chunk = std::clamp<std::int64_t>(count / (8 * workers.count()), 1, 16);
  const auto work = [&](int worker) {
    Share& share = shares[static_cast<size_t>(worker)];
    for (std::int64_t from = next.fetch_add(chunk); from < end; from = next.fetch_add(chunk)) {
      for (std::int64_t i = from; i < std::min(from + chunk, end); ++i) {
        const float total = evaluate(worker, i);
        if (share.best.offer(total)) share.bestIndex = i;
        if (i == end - 1) {
          share.lastTotal = total;
          share.evaluatedLast = true;
        }
      }
    }
  };
  if (count <= 1 || workers.count() == 1)
    work(0);
  else
    workers.runOnAll(work);
  TrialsOutcome outcome;
  for (const Share& share : shares) {
    if (share.evaluatedLast) outcome.lastTotal = share.lastTotal;
    if (share.bestIndex < 0) continue;
    const bool better = share.best.total() < outcome.bestTotal ||
                        (share.best.total() == outcome.bestTotal && share.bestIndex < outcome.bestIndex);
    if (outcome.bestIndex < 0 || better) {
      outcome.bestIndex = share.bestIndex;
      outcome.bestTotal = share.best.total();
    }
  }
  return outcome;
}

}  // namespace lumo::fitting
