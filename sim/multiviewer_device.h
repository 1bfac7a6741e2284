#pragma once
// Simulated multiviewer, 16 windows (0xA1) or 10 windows (0xA4).
// It answers the search (Device); the family's own commands and the state
// they change are added here.
#include "device.h"

namespace vela::sim {

class MultiviewerDevice : public Device {
 public:
  using Device::Device;
};

}  // namespace vela::sim
