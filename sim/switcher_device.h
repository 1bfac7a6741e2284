#pragma once
// Simulated production switcher (0xA5).
// It answers the search (Device); the family's own commands and the state
// they change are added here.
#include "device.h"

namespace vela::sim {

class SwitcherDevice : public Device {
 public:
  using Device::Device;
};

}  // namespace vela::sim
