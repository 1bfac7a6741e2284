#pragma once
// The show-mode set that the RK2207 and the LM5530 share (0x94, one byte).
#include <cstdint>
#include <string>

#include "frame.h"

namespace vela::sim {

// Takes the payload's show mode into `mode` when it is 0 to `last_mode`;
// otherwise leaves `mode` and returns the note for the log.
std::string apply_show_mode(ByteView payload, std::uint8_t last_mode, std::uint8_t& mode);

// A family's name of a command, or the name every device shares.
std::string family_or_common_name(std::string family_name, std::uint8_t code);

}  // namespace vela::sim
