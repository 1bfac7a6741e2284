#include "lm5530_protocol.h"

namespace vela::lm5530 {

std::string command_name(std::uint8_t command_code) {
  return command_code == code::kShowMode ? "show-mode" : "unknown";
}

}  // namespace vela::lm5530
