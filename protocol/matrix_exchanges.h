#pragma once
// The matrix's exchanges with its device: the routing texts, which travel
// raw over the carrier of the connection mode, and the button lock, which
// always travels over the network.
#include <cstdint>
#include <string>

#include "matrix_state.h"

namespace vela {

class LinkSession;

namespace matrix_exchanges {

// Whether a routing text can leave now: always in network mode (a socket
// that cannot be made is the link's to report), in serial mode only while
// the port is open.
bool text_carrier_ready(const LinkSession& link);

// Sends a routing text, exactly its bytes: one datagram followed by the
// longer pause of texts, or one write to the open serial port. True when
// it left.
bool send_text(LinkSession& link, const std::string& text);

// Reads the device's button lock into the matrix state (unchanged when no
// whole reply comes within the window). True when the device's lock came.
bool query_lock(LinkSession& link, MatrixState& state);

// Sends the new lock value; nothing is awaited. True when the frame left.
bool set_lock(LinkSession& link, std::uint8_t value);

}  // namespace matrix_exchanges
}  // namespace vela
