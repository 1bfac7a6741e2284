#pragma once
// The RK2207's exchanges with its device, always over the network whatever
// the connection mode: the state read-back and the show-mode set.
#include <cstdint>
#include <optional>

#include "rk2207_state.h"

namespace vela {

class LinkSession;

namespace rk2207_exchanges {

// Asks for the device's state and takes a whole reply into the record.
// Returns the show mode the device reported, or nothing when no whole reply
// came within the window. Ends with "read over \n" either way.
std::optional<std::uint8_t> read_state(LinkSession& link, Rk2207State& state);

void send_show_mode(LinkSession& link, std::uint8_t mode);

}  // namespace rk2207_exchanges
}  // namespace vela
