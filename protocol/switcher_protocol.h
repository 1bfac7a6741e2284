#pragma once
// The production switcher's command set (type 0xA5): codes and payload
// forms, for the page and the simulator alike. Control is one way: only the
// camera name is acknowledged.
#include <array>
#include <cstdint>

#include "frame.h"

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

// Payload of a 16-bit value, low byte first.
inline std::array<std::uint8_t, 2> u16_payload(std::uint16_t value) {
  return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

// Payload of a byte followed by a 16-bit value, low byte first.
inline std::array<std::uint8_t, 3> byte_u16_payload(std::uint8_t first, std::uint16_t value) {
  return {first, static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>(value >> 8)};
}

}  // namespace vela::switcher
