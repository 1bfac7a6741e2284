#pragma once
// The two ways a frame reaches a simulated device.
namespace vela::sim {

enum class Carrier { Udp, Serial };

// "udp" or "serial", as written in the log.
inline const char* carrier_name(Carrier carrier) { return carrier == Carrier::Udp ? "udp" : "serial"; }

}  // namespace vela::sim
