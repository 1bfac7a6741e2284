#pragma once
// The whole simulator: every device, the broadcast listener, the serial
// device and the log, driven by one event loop until SIGTERM or SIGINT.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "broadcast_listener.h"
#include "event_loop.h"
#include "frame_log.h"
#include "options.h"
#include "serial_device_host.h"
#include "stop_signals.h"
#include "udp_device_host.h"

namespace vela::sim {

class Simulator {
 public:
  // Binds every socket and creates the terminal; throws SetupError.
  explicit Simulator(const SimOptions& options);

  // The "udp ...", "listen ...", "serial ..." lines, without "ready".
  std::vector<std::string> announce_lines() const;

  // Runs until a stop signal arrives.
  void run();

 private:
  EventLoop loop_;
  StopSignals stop_signals_;
  FrameLog log_;
  std::vector<std::unique_ptr<UdpDeviceHost>> udp_devices_;
  std::unique_ptr<BroadcastListener> listener_;
  std::unique_ptr<SerialDeviceHost> serial_;
};

}  // namespace vela::sim
