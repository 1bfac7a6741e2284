#pragma once
// Simulated RK2207 four-input switcher (0x60). It keeps its show mode, output
// format, picture-in-picture channels, loop state and window labels, answers
// the state request (0x90) from them and applies the show-mode set (0x94).
#include "device.h"
#include "rk2207_protocol.h"

namespace vela::sim {

class Rk2207Device : public Device {
 public:
  // Starts in the quad split, 1080P60, channels 2 and 3 in the small
  // windows, labels "CH 1" to "CH 4".
  explicit Rk2207Device(DeviceConfig config);

  Answer handle(const Frame& request) override;
  std::string command_name(std::uint8_t code) const override;

  const rk2207::StateReply& state() const { return state_; }

 private:
  rk2207::StateReply state_;
};

}  // namespace vela::sim
