#pragma once
// The extra socket that stands in for broadcast on loopback: a search frame
// received here is answered by every UDP device from its own socket.
#include <string>
#include <vector>

#include "event_loop.h"
#include "frame_log.h"
#include "impairment.h"
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

  // Search frames received from now on go through `impairment` (nullptr:
  // none). It must outlive the listener.
  void set_impairment(Impairment* impairment) { impairment_ = impairment; }

 private:
  void on_readable();
  void take(const Datagram& datagram);

  EventLoop& loop_;
  FrameLog& log_;
  UdpEndpoint endpoint_;
  std::vector<UdpDeviceHost*> devices_;
  Impairment* impairment_ = nullptr;
};

}  // namespace vela::sim
