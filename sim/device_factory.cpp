#include "device_factory.h"

#include "device_types.h"
#include "lm5530_device.h"
#include "matrix_device.h"
#include "multiviewer_device.h"
#include "rk2207_device.h"
#include "switcher_device.h"

namespace vela::sim {

std::unique_ptr<Device> make_device(const DeviceSpec& spec) {
  switch (spec.type) {
    case device_type::kMultiviewer16:
    case device_type::kMultiviewer10:
      return std::make_unique<MultiviewerDevice>(spec);
    case device_type::kMatrix:
    case device_type::kMatrixB:
      return std::make_unique<MatrixDevice>(spec);
    case device_type::kSwitcher:
      return std::make_unique<SwitcherDevice>(spec);
    case device_type::kRk2207:
      return std::make_unique<Rk2207Device>(spec);
    case device_type::kLm5530:
      return std::make_unique<Lm5530Device>(spec);
    default:
      return std::make_unique<Device>(spec);
  }
}

}  // namespace vela::sim
