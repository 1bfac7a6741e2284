#include "command_names.h"

#include "device_types.h"
#include "frame.h"
#include "lm5530_protocol.h"
#include "matrix_protocol.h"
#include "multiviewer_protocol.h"
#include "rk2207_protocol.h"
#include "switcher_protocol.h"

namespace vela {

std::string common_command_name(std::uint8_t code) {
  switch (code) {
    case code::kSearch:
      return "search";
    case code::kSetAddress:
      return "set-address";
    default:
      return "unknown";
  }
}

std::string command_name(std::uint8_t device_type, std::uint8_t code) {
  if (code == code::kSearch || code == code::kSetAddress) return common_command_name(code);
  switch (device_type) {
    case device_type::kMultiviewer16:
    case device_type::kMultiviewer10:
      return multiviewer::command_name(code);
    case device_type::kMatrix:
    case device_type::kMatrixB:
      return matrix::command_name(code);
    case device_type::kRk2207:
      return rk2207::command_name(code);
    case device_type::kLm5530:
      return lm5530::command_name(code);
    case device_type::kSwitcher:
      return switcher::command_name(code);
    default:
      return common_command_name(code);
  }
}

const char* device_family_name(std::uint8_t device_type) {
  switch (device_type) {
    case device_type::kMultiviewer16:
    case device_type::kMultiviewer10:
      return "multiviewer";
    case device_type::kMatrix:
    case device_type::kMatrixB:
      return "matrix";
    case device_type::kRk2207:
      return "RK2207";
    case device_type::kLm5530:
      return "LM5530";
    case device_type::kSwitcher:
      return "switcher";
    default:
      return "unknown";
  }
}

}  // namespace vela
