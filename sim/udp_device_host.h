#pragma once
// One simulated device on its own UDP socket: logs what arrives, lets the
// device answer, and sends the answer back to the sender from this socket.
#include <memory>
#include <string>

#include "device.h"
#include "event_loop.h"
#include "frame_log.h"
#include "hostile.h"
#include "impairment.h"
#include "udp_endpoint.h"

namespace vela::sim {

class UdpDeviceHost {
 public:
  // Binds the device's addr at the port; throws SetupError.
  UdpDeviceHost(EventLoop& loop, FrameLog& log, std::unique_ptr<Device> device, std::uint16_t port);
  UdpDeviceHost(const UdpDeviceHost&) = delete;
  UdpDeviceHost& operator=(const UdpDeviceHost&) = delete;

  // Lets the device answer a frame (already logged by whoever received it)
  // and sends the answer to `to` from the device's own socket.
  void answer(const Frame& request, const sockaddr_in& to);

  // "udp <name> <addr>:<port> type=0xA1 id=1"
  std::string announce_line() const;

  Device& device() { return *device_; }

  // Every datagram received and sent from now on goes through `impairment`
  // (nullptr: none). It must outlive the host.
  void set_impairment(LinkImpairment* impairment) { impairment_ = impairment; }

 private:
  void on_readable();
  void take(const Datagram& datagram);
  // A hostile device strikes first when there is a request frame (texts
  // get none).
  void send_reply(const Frame* request, const std::optional<Bytes>& reply, const sockaddr_in& to);
  void send_datagram(const sockaddr_in& to, const Bytes& bytes);

  EventLoop& loop_;
  FrameLog& log_;
  std::unique_ptr<Device> device_;
  UdpEndpoint endpoint_;
  std::unique_ptr<HostileSender> hostile_;
  LinkImpairment* impairment_ = nullptr;
};

}  // namespace vela::sim
