#pragma once
// Simulated LM5530 (0xA3): it applies the show-mode set (0x94), from the
// network or its serial line alike, and never answers it.
#include "device.h"

namespace vela::sim {

class Lm5530Device : public Device {
 public:
  using Device::Device;

  Answer handle(const Frame& request) override;
  std::string command_name(std::uint8_t code) const override;

  std::uint8_t show_mode() const { return show_mode_; }

 private:
  std::uint8_t show_mode_ = 0;
};

}  // namespace vela::sim
