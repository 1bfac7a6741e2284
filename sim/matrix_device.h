#pragma once
// Simulated 8 x 8 matrix switcher (0x81, 0x82).
// It answers the search (Device); the family's own commands and the state
// they change are added here.
#include "device.h"

namespace vela::sim {

class MatrixDevice : public Device {
 public:
  using Device::Device;
};

}  // namespace vela::sim
