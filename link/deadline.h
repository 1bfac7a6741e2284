#pragma once
// A window of time measured in ticks from a noted start. The window has
// ended once MORE than its length has passed since the start tick, so its
// last tick is start + window and the first tick past it start + window + 1.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "ticks.h"

namespace vela {

class Deadline {
 public:
  // Starts the window now.
  explicit Deadline(int window_ms) : Deadline(tick_ms(), window_ms) {}
  Deadline(std::int64_t start_tick, int window_ms) : start_(start_tick), window_(window_ms) {}

  void restart() { start_ = tick_ms(); }
  std::int64_t start_tick() const { return start_; }
  int window_ms() const { return window_; }

  bool expired() const { return expired_at(tick_ms()); }
  // How long a blocking wait may last: until the first tick past the window,
  // so a wait that runs out finds the window ended (no spinning through its
  // last tick) and never sleeps beyond it. 0 once the window has ended.
  int remaining_ms() const { return remaining_ms_at(tick_ms()); }

  bool expired_at(std::int64_t now) const { return now - start_ > window_; }
  int remaining_ms_at(std::int64_t now) const {
    return static_cast<int>(std::clamp<std::int64_t>(start_ + window_ + 1 - now, 0, INT_MAX));
  }

 private:
  std::int64_t start_;
  int window_;
};

}  // namespace vela
