#include "show_mode_setting.h"

#include "device.h"

namespace vela::sim {

std::string apply_show_mode(ByteView payload, std::uint8_t last_mode, std::uint8_t& mode) {
  if (std::string note = short_payload_note(payload, 1); !note.empty()) return note;
  if (payload[0] > last_mode) {
    return "ignored: show mode " + std::to_string(payload[0]) + " outside 0.." + std::to_string(last_mode);
  }
  mode = payload[0];
  return {};
}

std::string family_or_common_name(std::string family_name, std::uint8_t code) {
  return family_name == "unknown" ? common_command_name(code) : family_name;
}

}  // namespace vela::sim
