#include "broadcast_listener.h"

#include <poll.h>

#include "reply_delivery.h"

namespace vela::sim {

BroadcastListener::BroadcastListener(EventLoop& loop, FrameLog& log, const std::string& addr, std::uint16_t port,
                                     std::vector<UdpDeviceHost*> devices)
    : loop_(loop), log_(log), endpoint_(addr, port), devices_(std::move(devices)) {
  loop.watch(endpoint_.fd(), POLLIN, [this](short) { on_readable(); });
}

void BroadcastListener::on_readable() {
  while (std::optional<Datagram> datagram = endpoint_.receive())
    pass_through(loop_, impairment_, [this, received = std::move(*datagram)] { take(received); });
}

void BroadcastListener::take(const Datagram& datagram) {
  const LogOrigin origin{carrier_name(Carrier::Udp), endpoint_text(datagram.from), kBroadcastDeviceName};
  std::optional<Frame> frame = Frame::from_bytes(datagram.bytes);
  if (!frame) {
    log_.text(origin, datagram.bytes);
    return;
  }
  log_.frame(origin, frame->bytes(), frame->code(), common_command_name(frame->code()));
  if (frame->code() != code::kSearch) return;
  for (UdpDeviceHost* device : devices_) device->answer(*frame, datagram.from);
}

}  // namespace vela::sim
