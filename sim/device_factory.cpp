#include "device_factory.h"

#include "device_types.h"
#include "lm5530_device.h"
#include "matrix_device.h"
#include "multiviewer_device.h"
#include "rk2207_device.h"
#include "switcher_device.h"

namespace vela::sim {

std::unique_ptr<Device> make_device(const DeviceConfig& config) {
  switch (config.type) {
    case device_type::kMultiviewer16:
    case device_type::kMultiviewer10:
      return std::make_unique<MultiviewerDevice>(config);
    case device_type::kMatrix:
    case device_type::kMatrixB:
      return std::make_unique<MatrixDevice>(config);
    case device_type::kSwitcher:
      return std::make_unique<SwitcherDevice>(config);
    case device_type::kRk2207:
      return std::make_unique<Rk2207Device>(config);
    case device_type::kLm5530:
      return std::make_unique<Lm5530Device>(config);
    default:
      return std::make_unique<Device>(config);
  }
}

}  // namespace vela::sim
