#pragma once
// Seam for the clock of long operations, which are cut into slices of time. The program
// reads the steady clock; tests use a clock that moves by a fixed step at every reading,
// so that the same run is cut into the same slices every time.
#include <chrono>

namespace lumo {

class Clock {
 public:
  using time_point = std::chrono::steady_clock::time_point;
  virtual ~Clock() = default;
  virtual time_point now() = 0;
};

class SteadyClock : public Clock {
 public:
  time_point now() override { return std::chrono::steady_clock::now(); }
};

// For tests: every reading is `step` later than the one before.
class SteppingClock : public Clock {
 public:
  explicit SteppingClock(std::chrono::microseconds step) : step_(step) {}
  time_point now() override {
    time_ += step_;
    return time_;
  }
  // Moves the clock on without a reading, as if the program had been busy elsewhere.
  void advance(std::chrono::microseconds by) { time_ += by; }

 private:
  std::chrono::microseconds step_;
  time_point time_{};
};

}  // namespace lumo
