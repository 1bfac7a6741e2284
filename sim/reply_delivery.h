#pragma once
// How a device's reply leaves it, given its faults: when each transmission
// happens (plan_transmissions, no side effects) and sending them on time
// through the event loop (deliver).
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "carrier.h"
#include "device_config.h"
#include "event_loop.h"
#include "frame.h"

namespace vela::sim {

struct Transmission {
  std::chrono::milliseconds at{0};  // after the request arrived
  Bytes bytes;

  bool operator==(const Transmission&) const = default;
};

// 24 bytes of text that pass neither the framing rule nor the code rule of
// any read (byte 16 is an ASCII letter, the first bytes are not A5 6C).
Bytes foreign_datagram();

// silent: nothing. Otherwise, at the delay: the foreign datagram (foreign),
// the reply, and the reply again (twice). On the serial carrier each reply is
// cut into split_pieces pieces, split_pause_ms apart; the second copy follows
// the first one's last piece after the same pause.
std::vector<Transmission> plan_transmissions(const Faults& faults, Carrier carrier, const Bytes& reply);

using Sender = std::function<void(const Bytes&)>;

// Sends at once what is due now, the rest from timers (in plan order).
void deliver(EventLoop& loop, std::vector<Transmission> plan, const Sender& send);

}  // namespace vela::sim
