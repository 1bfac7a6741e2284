#pragma once
// The command frame every device exchange uses, on both carriers:
//   A5 6C | length (LE16, whole frame) | type | id | link flag | 8 x 00 |
//   group 00 | code | payload | checksum (LE16 sum of all bytes before) | AE
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vela {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

namespace frame {
inline constexpr std::uint8_t kStart0 = 0xA5;
inline constexpr std::uint8_t kStart1 = 0x6C;
inline constexpr std::uint8_t kEnd = 0xAE;
inline constexpr std::size_t kOverhead = 20;  // frame without payload
inline constexpr std::size_t kMaxLength = 0xFFFF;

inline constexpr std::size_t kLengthOffset = 2;
inline constexpr std::size_t kTypeOffset = 4;
inline constexpr std::size_t kIdOffset = 5;
inline constexpr std::size_t kLinkFlagOffset = 6;
inline constexpr std::size_t kGroupOffset = 15;
inline constexpr std::size_t kCodeOffset = 16;
inline constexpr std::size_t kPayloadOffset = 17;

inline constexpr std::uint8_t kLinkSerial = 0;
inline constexpr std::uint8_t kLinkUdp = 1;

// Search request addressing (the only request not addressed to one device).
inline constexpr std::uint8_t kSearchType = 0x81;
inline constexpr std::uint8_t kSearchId = 0xFF;

// Receive buffer sizes of the datagram readers.
inline constexpr std::size_t kPageReadBuffer = 1024;
inline constexpr std::size_t kSearchBuffer = 128;
}  // namespace frame

namespace code {
inline constexpr std::uint8_t kSearch = 0xFF;
inline constexpr std::uint8_t kSetAddress = 0x05;
inline constexpr std::uint8_t kMultiviewerState = 0x32;
}  // namespace code

// 16-bit wrapping sum of every byte.
std::uint16_t checksum16(ByteView bytes);

// Builds a whole frame. Payloads longer than 65515 bytes cannot be framed and
// give an empty result.
Bytes build_frame(std::uint8_t link_flag, std::uint8_t device_type, std::uint8_t device_id, std::uint8_t command_code,
                  ByteView payload = {});

// The search request (code 0xFF) with its fixed addressing.
Bytes build_search_request(std::uint8_t link_flag);

// Code rule: byte 16 equals the expected code; nothing else is tested.
bool passes_code_rule(ByteView datagram, std::uint8_t expected_code);

// Framing rule: starts A5 6C and its last byte is AE.
bool passes_framing_rule(ByteView datagram);

// Frame length field of a frame whose first four bytes are present.
std::uint16_t frame_length_field(ByteView frame);

}  // namespace vela
