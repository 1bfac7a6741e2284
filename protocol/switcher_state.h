#pragma once
// The production switcher's state record, kept by the main window for the
// whole run.
#include <cstdint>

namespace vela {

struct SwitcherState {
  std::uint8_t program_source = 0;
  std::uint8_t preview_source = 0;
};

}  // namespace vela
