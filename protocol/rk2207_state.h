#pragma once
// The RK2207's state record, kept by the main window for the whole run.
#include <cstdint>

namespace vela {

struct Rk2207State {
  std::uint8_t show_mode = 0;
};

}  // namespace vela
