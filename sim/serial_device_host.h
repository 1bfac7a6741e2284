#pragma once
// The one simulated device on the pseudo-terminal: reassembles frames and
// text from the byte stream, logs them, lets the device answer and writes
// the answers to the terminal (queued while the terminal is full).
#include <memory>
#include <optional>
#include <string>

#include "device.h"
#include "event_loop.h"
#include "frame_log.h"
#include "pty_endpoint.h"
#include "serial_reassembler.h"
#include "symlink_guard.h"

namespace vela::sim {

class SerialDeviceHost {
 public:
  // Creates the terminal (and the symlink to it); throws SetupError.
  SerialDeviceHost(EventLoop& loop, FrameLog& log, std::unique_ptr<Device> device,
                   const std::optional<std::string>& link_path);
  SerialDeviceHost(const SerialDeviceHost&) = delete;
  SerialDeviceHost& operator=(const SerialDeviceHost&) = delete;

  // "serial <path>"
  std::string announce_line() const { return "serial " + pty_.slave_path(); }

  Device& device() { return *device_; }

  // Closes the terminal (and its symlink) for good, as an unplugged cable
  // would; answers still due are dropped.
  void cut_line();

 private:
  // Text still pending after this quiet time is logged as it is.
  static constexpr std::chrono::milliseconds kQuietFlush{200};

  void on_ready(short revents);
  void take_pieces(const std::vector<SerialPiece>& pieces);
  void send(const Bytes& bytes);
  void write_queued();

  EventLoop& loop_;
  FrameLog& log_;
  std::unique_ptr<Device> device_;
  PtyEndpoint pty_;
  std::optional<SymlinkGuard> link_;
  SerialReassembler reassembler_;
  std::optional<EventLoop::TimerId> quiet_timer_;
  Bytes output_;  // written when the terminal takes it
};

}  // namespace vela::sim
