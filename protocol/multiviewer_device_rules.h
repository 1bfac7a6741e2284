#pragma once
// What a multiviewer itself does with its settings, where the panel relies on
// it: the values the defaults command restores (the Setting sub-page assumes
// the same values for its own copy) and the layout each model starts from.
#include <cstdint>

#include "multiviewer_protocol.h"

namespace vela::multiviewer::device_defaults {

inline constexpr std::uint8_t kMeterDisplay = 1;
inline constexpr std::uint8_t kAudioSource = 0;
inline constexpr std::uint8_t kResolutionCode = 7;  // 1080p60, list position 0
inline constexpr std::uint8_t kResolutionDisplay = 0;
inline constexpr std::uint8_t kLabelDisplay = 1;

// All windows of the model: 16 on the 16-window model, 10 otherwise.
std::uint8_t layout_code(std::uint8_t model_window_count);

// The defaults command applied to a device's state; border, lock, labels,
// sources and colours keep their values.
void apply(StateReplyFields& fields, std::uint8_t model_window_count);
// The same defaults applied to the panel's record of the device, as the
// panel assumes them once the command left (display switches with their
// visibility members, layout and window count).
void apply(MultiviewerState& state, std::uint8_t model_window_count);

}  // namespace vela::multiviewer::device_defaults
