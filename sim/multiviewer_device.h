#pragma once
// Simulated multiviewer, 16 windows (0xA1) or 10 windows (0xA4). It keeps the
// whole state its commands change, answers the state request (0x32) and the
// status poll (0x51) from it, and reports a signal in the windows its signal
// switches name.
#include "device.h"
#include "multiviewer_protocol.h"

namespace vela::sim {

class MultiviewerDevice : public Device {
 public:
  // Starts with a show state: every window of the model in use, sources 1 to
  // 16, labels "CAM 1" to "CAM 16" shown, meters on.
  explicit MultiviewerDevice(DeviceConfig config);

  Answer handle(const Frame& request) override;
  std::string command_name(std::uint8_t code) const override;
  bool set_signal(const WindowSet& windows) override;

  const multiviewer::StateReplyFields& state() const { return state_; }
  // Per window {1, 0} with a signal, {0, 0} without.
  WindowStatus window_status() const;

 private:
  // Changes the state by one command; the note says why it did not.
  std::string apply(std::uint8_t code, ByteView payload);
  std::string apply_window_source(ByteView payload);
  std::string apply_label_text(ByteView payload);
  std::string apply_defaults(ByteView payload);

  std::uint8_t model_window_count_;
  multiviewer::StateReplyFields state_;
  WindowSet signal_;
};

}  // namespace vela::sim
