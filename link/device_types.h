#pragma once
// Device entries, the device table and the device type codes.
#include <array>
#include <cstdint>
#include <string>

namespace vela {

namespace device_type {
inline constexpr std::uint8_t kRk2207 = 0x60;
inline constexpr std::uint8_t kMatrix = 0x81;
inline constexpr std::uint8_t kMatrixB = 0x82;
inline constexpr std::uint8_t kMultiviewer16 = 0xA1;
inline constexpr std::uint8_t kLm5530 = 0xA3;
inline constexpr std::uint8_t kMultiviewer10 = 0xA4;
inline constexpr std::uint8_t kSwitcher = 0xA5;
}  // namespace device_type

// One row of the device table: address text (NUL padded, at most 15
// characters), device id, device type code; 18 bytes in this order.
struct DeviceEntry {
  char address[16] = {};
  std::uint8_t id = 0;
  std::uint8_t type = 0;

  std::string address_text() const;
  // Copies at most 15 characters and pads with zero bytes.
  void set_address(const std::string& text);
};
static_assert(sizeof(DeviceEntry) == 18);

inline constexpr std::size_t kDeviceTableSize = 128;
using DeviceTable = std::array<DeviceEntry, kDeviceTableSize>;

// Model window count for a type code: 16, 10 or 0.
std::uint8_t model_window_count(std::uint8_t type);

}  // namespace vela
