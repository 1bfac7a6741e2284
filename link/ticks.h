#pragma once
// Monotonic millisecond tick count, for reply windows.
#include <chrono>
#include <cstdint>

namespace vela {

inline std::int64_t tick_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace vela
