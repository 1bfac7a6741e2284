#pragma once
// The production switcher's command set (type 0xA5): codes and payload
// forms, for the page and the simulator alike. Control is one way: only the
// camera name is acknowledged.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame.h"
#include "numbered_text.h"

namespace vela::switcher {

namespace code {
inline constexpr std::uint8_t kProgramSelect = 0x80;
inline constexpr std::uint8_t kPreviewSelect = 0x81;
inline constexpr std::uint8_t kTransitionPosition = 0x82;
inline constexpr std::uint8_t kCut = 0x83;
inline constexpr std::uint8_t kAutoTransition = 0x84;
inline constexpr std::uint8_t kFadeToBlack = 0x85;
inline constexpr std::uint8_t kPipToggle = 0x86;
inline constexpr std::uint8_t kOnAirToggle = 0x88;
inline constexpr std::uint8_t kBackgroundToggle = 0x8A;
inline constexpr std::uint8_t kKey1Toggle = 0x8B;
inline constexpr std::uint8_t kKey2Toggle = 0x8C;
inline constexpr std::uint8_t kMixSelect = 0x8D;
inline constexpr std::uint8_t kDipSelect = 0x8E;
inline constexpr std::uint8_t kWipeSelect = 0x8F;
inline constexpr std::uint8_t kWipePattern = 0x92;
inline constexpr std::uint8_t kLumaKeySource = 0x93;
inline constexpr std::uint8_t kKeyRed = 0x94;
inline constexpr std::uint8_t kKeyGreen = 0x95;
inline constexpr std::uint8_t kKeyBlue = 0x96;
inline constexpr std::uint8_t kChromaKeySource = 0x97;
inline constexpr std::uint8_t kChromaKeyType = 0x98;
inline constexpr std::uint8_t kPipSource = 0x9C;
inline constexpr std::uint8_t kPipBorderEnable = 0x9D;
inline constexpr std::uint8_t kPipBorderColour = 0x9E;
inline constexpr std::uint8_t kPipBorderWidth = 0x9F;
inline constexpr std::uint8_t kPipX = 0xA0;
inline constexpr std::uint8_t kPipY = 0xA1;
inline constexpr std::uint8_t kPipWidth = 0xA2;
inline constexpr std::uint8_t kOutputResolution = 0xA3;
inline constexpr std::uint8_t kWindowInput = 0xA4;
inline constexpr std::uint8_t kSliderRate = 0xA5;
inline constexpr std::uint8_t kCameraName = 0xA6;
}  // namespace code

// What a command carries: its log name and its payload length (for the
// camera name, the length before the text). Nullptr for a code the switcher
// does not use.
struct CommandInfo {
  std::uint8_t code;
  const char* name;
  std::size_t payload_length;
};
const CommandInfo* command_info(std::uint8_t command_code);
// The log name of a command ("program-select", ...); "unknown" otherwise.
std::string command_name(std::uint8_t command_code);

// The camera-name exchange, the only switcher command that is answered.
namespace camera_name {
inline constexpr int kWindowMs = 500;
inline constexpr std::size_t kReceiveBuffer = 128;
// Characters (UTF-16 code units) a name carries at most.
inline constexpr std::size_t kMaxUnits = 10;
// Camera number and the seven constant bytes, before the text.
inline constexpr std::size_t kHeaderLength = kNumberedTextHeader;
// The acknowledgement's status byte; 0 means the name was taken.
inline constexpr std::size_t kStatusOffset = frame::kPayloadOffset;
inline constexpr std::uint8_t kAccepted = 0;
inline constexpr std::uint8_t kRefused = 1;
}  // namespace camera_name

// Payload of camera `camera_index`'s (0..10) name: camera number (index + 1,
// 11 for MP 1), the constant bytes, then at most ten code units, low byte
// first, without a terminator.
Bytes camera_name_payload(int camera_index, std::u16string_view name);

struct CameraNameCommand {
  std::uint8_t number = 0;  // 1..10 cameras, 11 MP 1
  std::u16string name;
};
// Nothing for a payload shorter than its header or with half a code unit.
std::optional<CameraNameCommand> read_camera_name_payload(ByteView payload);

enum class CameraNameAnswer { Accepted, Refused };
// The switcher's answer in an acknowledgement that passed the code rule;
// nothing when the datagram ends before the status byte.
std::optional<CameraNameAnswer> read_camera_name_ack(ByteView datagram);

// Payload of a 16-bit value, low byte first.
inline std::array<std::uint8_t, 2> u16_payload(std::uint16_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

// Payload of a byte followed by a 16-bit value, low byte first.
inline std::array<std::uint8_t, 3> byte_u16_payload(std::uint8_t first, std::uint16_t value) {
  return {first, static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

}  // namespace vela::switcher
