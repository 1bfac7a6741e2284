#pragma once
// The show modes of the four-channel devices: where each window of a mode
// lies on the 720 x 480 preview canvas. The pages draw their preview and
// the skin draws the mode buttons from the same table.
#include <cstdint>
#include <string_view>

#include "rk2207_state.h"

namespace vela::rk2207 {

inline constexpr int kCanvasWidth = 720;
inline constexpr int kCanvasHeight = 480;

// Modes 0 to 15 have a button; mode 16 only comes from the device.
inline constexpr int kModeButtonCount = 16;
inline constexpr std::uint8_t kStackedMode = 16;

// The slots of show mode `mode`; all four empty for a mode outside 0..16.
WindowSlots show_mode_slots(std::uint8_t mode);

// A short name of the arrangement ("QUAD SPLIT"), empty outside 0..16.
std::string_view show_mode_name(std::uint8_t mode);

}  // namespace vela::rk2207

namespace vela::lm5530 {

// The LM5530 offers modes 0 to 15; mode 11 keeps its windows at 360 x 240.
WindowSlots show_mode_slots(std::uint8_t mode);

}  // namespace vela::lm5530
