#include "udp_device_host.h"

#include <poll.h>

#include <cstdio>

#include "reply_delivery.h"

namespace vela::sim {

UdpDeviceHost::UdpDeviceHost(EventLoop& loop, FrameLog& log, std::unique_ptr<Device> device, std::uint16_t port)
    : loop_(loop), log_(log), device_(std::move(device)), endpoint_(device_->config().addr, port) {
  const Faults& faults = device_->config().faults;
  if (faults.hostile)
    hostile_ = std::make_unique<HostileSender>(device_->config().addr, static_cast<std::size_t>(faults.hostile_flood));
  loop_.watch(endpoint_.fd(), POLLIN, [this](short) { on_readable(); });
}

std::string UdpDeviceHost::announce_line() const {
  char identity[32];
  std::snprintf(identity, sizeof identity, " type=0x%02X id=%u", device_->config().type, device_->config().id);
  return "udp " + device_->name() + " " + endpoint_.local_text() + identity;
}

void UdpDeviceHost::on_readable() {
  while (std::optional<Datagram> datagram = endpoint_.receive()) {
    pass_through(loop_, impairment_ ? &impairment_->received : nullptr,
                 [this, received = std::move(*datagram)] { take(received); });
  }
}

void UdpDeviceHost::take(const Datagram& datagram) {
  const LogOrigin origin{carrier_name(Carrier::Udp), endpoint_text(datagram.from), device_->name()};
  if (std::optional<Frame> frame = Frame::from_bytes(datagram.bytes)) {
    Answer answer = device_->handle(*frame);
    log_.frame(origin, frame->bytes(), frame->code(), device_->command_name(frame->code()), answer.note);
    send_reply(&*frame, answer.reply, datagram.from);
  } else {
    Answer answer = device_->handle_text(datagram.bytes);
    log_.text(origin, datagram.bytes, answer.note);
    send_reply(nullptr, answer.reply, datagram.from);
  }
}

void UdpDeviceHost::answer(const Frame& request, const sockaddr_in& to) {
  send_reply(&request, device_->handle(request).reply, to);
}

void UdpDeviceHost::send_reply(const Frame* request, const std::optional<Bytes>& reply, const sockaddr_in& to) {
  if (hostile_ && request) hostile_->strike(*request, reply, to, [this, to](const Bytes& bytes) { send_datagram(to, bytes); });
  if (!reply) return;
  deliver(loop_, plan_transmissions(device_->config().faults, Carrier::Udp, *reply),
          [this, to](const Bytes& bytes) { send_datagram(to, bytes); });
}

void UdpDeviceHost::send_datagram(const sockaddr_in& to, const Bytes& bytes) {
  pass_through(loop_, impairment_ ? &impairment_->sent : nullptr,
               [this, to, bytes] { endpoint_.send_to(to, bytes); });
}

}  // namespace vela::sim
