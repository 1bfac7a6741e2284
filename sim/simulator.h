#pragma once
// The whole simulator: every device, the broadcast listener, the serial
// device, the control channel on standard input and the log, driven by one
// event loop until SIGTERM or SIGINT.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "broadcast_listener.h"
#include "control_channel.h"
#include "control_line.h"
#include "event_loop.h"
#include "frame_log.h"
#include "impairment.h"
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

  // Runs until a stop signal arrives; then an impaired simulator says on
  // standard error what the impairment did.
  void run();

 private:
  // Applies one control line, logs it and says on standard error what was
  // wrong with it.
  void on_control_line(const std::string& line);
  // The note for the log: empty when the line was applied.
  std::string apply(const ControlLine& line);
  std::vector<Device*> devices_named(const std::string& name);

  EventLoop loop_;
  StopSignals stop_signals_;
  FrameLog log_;
  std::unique_ptr<LinkImpairment> impairment_;
  std::vector<std::unique_ptr<UdpDeviceHost>> udp_devices_;
  std::unique_ptr<BroadcastListener> listener_;
  std::unique_ptr<SerialDeviceHost> serial_;
  std::unique_ptr<ControlChannel> control_;
};

}  // namespace vela::sim
