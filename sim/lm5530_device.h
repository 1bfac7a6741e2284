#pragma once
// Simulated LM5530 (0xA3).
// It answers the search (Device); the family's own commands and the state
// they change are added here.
#include "device.h"

namespace vela::sim {

class Lm5530Device : public Device {
 public:
  using Device::Device;
};

}  // namespace vela::sim
