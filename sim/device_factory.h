#pragma once
// Creates the device class of a command-line type code; a type outside the known
// families gets the plain Device, which answers only the search.
#include <memory>

#include "device.h"

namespace vela::sim {

std::unique_ptr<Device> make_device(const DeviceConfig& config);

}  // namespace vela::sim
