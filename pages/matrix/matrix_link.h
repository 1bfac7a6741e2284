#pragma once
// The matrix's exchanges with its device: the routing texts, which travel
// raw over the carrier of the connection mode, and the button lock, which
// always travels over the network.
#include <cstdint>
#include <string>

namespace vela {

class PageContext;

namespace matrix_link {

// Whether a routing text can leave now: always in network mode (a socket
// that cannot be made is the link's to report), in serial mode only while
// the port is open.
bool text_carrier_ready(const PageContext& context);

// Sends a routing text, exactly its bytes: one datagram followed by the
// longer pause of texts, or one write to the open serial port. True when
// it left.
bool send_text(PageContext& context, const std::string& text);

// Reads the device's button lock into the matrix state (unchanged when no
// whole reply comes within the window).
void query_lock(PageContext& context);

// Sends the new lock value; nothing is awaited.
void set_lock(PageContext& context, std::uint8_t value);

}  // namespace matrix_link
}  // namespace vela
