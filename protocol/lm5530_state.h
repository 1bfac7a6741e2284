#pragma once
// The LM5530's state, kept by the main window for the whole run.
#include <cstdint>

namespace vela {

struct Lm5530State {
  std::uint8_t show_mode = 0;
};

}  // namespace vela
