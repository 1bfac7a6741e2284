#pragma once
// Simulated RK2207 four-input switcher (0x60).
// It answers the search (Device); the family's own commands and the state
// they change are added here.
#include "device.h"

namespace vela::sim {

class Rk2207Device : public Device {
 public:
  using Device::Device;
};

}  // namespace vela::sim
