#pragma once
// The LM5530's state, kept by the main window for the whole run.
#include <cstdint>

#include "rk2207_state.h"

namespace vela {

struct Lm5530State {
  // 0 to 15; set to 0 each time the page opens.
  std::uint8_t show_mode = 0;
  // Apart from the RK2207's: the two pages draw mode 11 differently.
  WindowSlots window_slots{};
  // The device is never asked: a mode is known once this panel sent it.
  Provenance show_mode_origin;
};

}  // namespace vela
