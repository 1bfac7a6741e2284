#include "lm5530_device.h"

#include "lm5530_protocol.h"
#include "show_mode_setting.h"

namespace vela::sim {

std::string Lm5530Device::command_name(std::uint8_t code) const {
  return family_or_common_name(lm5530::command_name(code), code);
}

Answer Lm5530Device::handle(const Frame& request) {
  if (request.code() != lm5530::code::kShowMode) return Device::handle(request);
  return {std::nullopt, apply_show_mode(request.payload(), lm5530::kModeCount - 1, show_mode_)};
}

}  // namespace vela::sim
