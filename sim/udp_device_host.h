#pragma once
// One simulated device on its own UDP socket: logs what arrives, lets the
// device answer, and sends the answer back to the sender from this socket.
#include <memory>
#include <string>

#include "device.h"
#include "event_loop.h"
#include "frame_log.h"
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

 private:
  void on_readable();
  void send_reply(const Bytes& reply, const sockaddr_in& to);

  EventLoop& loop_;
  FrameLog& log_;
  std::unique_ptr<Device> device_;
  UdpEndpoint endpoint_;
};

}  // namespace vela::sim
