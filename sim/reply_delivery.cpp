#include "reply_delivery.h"

#include <algorithm>

namespace vela::sim {

Bytes foreign_datagram() {
  const std::string text = "NOT-A-FRAME-FROM-DEVICE!";
  return Bytes(text.begin(), text.end());
}

std::vector<Transmission> plan_transmissions(const Faults& faults, Carrier carrier, const Bytes& reply) {
  std::vector<Transmission> plan;
  if (faults.silent) return plan;
  auto at = std::chrono::milliseconds(faults.delay_ms);
  const std::chrono::milliseconds pause(faults.split_pause_ms);
  if (faults.foreign) plan.push_back({at, foreign_datagram()});

  const std::size_t pieces =
      carrier == Carrier::Serial
          ? std::clamp<std::size_t>(faults.split_pieces, 1, std::max<std::size_t>(reply.size(), 1))
          : 1;
  const int copies = faults.twice ? 2 : 1;
  for (int copy = 0; copy < copies; ++copy) {
    if (copy > 0 && pieces > 1) at += pause;
    for (std::size_t k = 0; k < pieces; ++k) {
      if (k > 0) at += pause;
      const std::size_t begin = reply.size() * k / pieces;
      const std::size_t end = reply.size() * (k + 1) / pieces;
      plan.push_back({at, Bytes(reply.begin() + static_cast<long>(begin), reply.begin() + static_cast<long>(end))});
    }
  }
  return plan;
}

void deliver(EventLoop& loop, std::vector<Transmission> plan, const Sender& send) {
  for (Transmission& t : plan) {
    if (t.at.count() <= 0) {
      send(t.bytes);
    } else {
      loop.add_timer(t.at, [send, bytes = std::move(t.bytes)] { send(bytes); });
    }
  }
}

}  // namespace vela::sim
