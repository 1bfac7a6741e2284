#include "device_types.h"

#include <cstring>

namespace vela {

std::string DeviceEntry::address_text() const { return std::string(address, strnlen(address, sizeof address)); }

void DeviceEntry::set_address(const std::string& text) {
  std::memset(address, 0, sizeof address);
  std::memcpy(address, text.data(), std::min(text.size(), sizeof address - 1));
}

std::uint8_t model_window_count(std::uint8_t type) {
  if (type == device_type::kMultiviewer16) return 16;
  if (type == device_type::kMultiviewer10) return 10;
  return 0;
}

}  // namespace vela
