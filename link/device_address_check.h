#pragma once
// Whether a device entry's address text may receive a command datagram. An
// entry's text can be empty or stale (a serial search fills no address), and
// a command must reach one device, never a whole network.
#include <optional>
#include <string>

namespace vela {

// Nothing when `text` is a dotted IPv4 address of one host; otherwise why
// not ("empty", "not an IPv4 address", "a broadcast address", "not a
// single host's address"). Broadcast means all ones, a last octet of 255,
// or the broadcast address of a local network interface.
std::optional<std::string> refuse_device_address(const std::string& text);

}  // namespace vela
