#pragma once
// The LM5530's command set (type 0xA3): only the show-mode set, the same
// command as the RK2207's, carried over either link.
#include <cstdint>
#include <string>

#include "rk2207_protocol.h"

namespace vela::lm5530 {

namespace code {
inline constexpr std::uint8_t kShowMode = rk2207::code::kShowMode;
}  // namespace code

inline constexpr int kModeCount = 16;

// "show-mode" or "unknown", for logs.
std::string command_name(std::uint8_t command_code);

}  // namespace vela::lm5530
