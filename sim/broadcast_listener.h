#pragma once
// The extra socket that stands in for broadcast on loopback: a search frame
// received here is answered by every UDP device from its own socket.
#include <string>
#include <vector>

#include "event_loop.h"
#include "frame_log.h"
#include "udp_device_host.h"
#include "udp_endpoint.h"

namespace vela::sim {

// The device field of the log lines written for this socket.
inline constexpr const char* kBroadcastDeviceName = "*";

class BroadcastListener {
 public:
  // Throws SetupError.
  BroadcastListener(EventLoop& loop, FrameLog& log, const std::string& addr, std::uint16_t port,
                    std::vector<UdpDeviceHost*> devices);
  BroadcastListener(const BroadcastListener&) = delete;
  BroadcastListener& operator=(const BroadcastListener&) = delete;

  // "listen <addr>:<port>"
  std::string announce_line() const { return "listen " + endpoint_.local_text(); }

 private:
  void on_readable();

  FrameLog& log_;
  UdpEndpoint endpoint_;
  std::vector<UdpDeviceHost*> devices_;
};

}  // namespace vela::sim
