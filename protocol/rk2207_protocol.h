#pragma once
// The RK2207's command set (type 0x60): the state request and its reply,
// and the show-mode set, for the page and the simulator alike.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "frame.h"
#include "rk2207_state.h"

namespace vela::rk2207 {

namespace code {
inline constexpr std::uint8_t kState = 0x90;
inline constexpr std::uint8_t kShowMode = 0x94;
}  // namespace code

// "state", "show-mode" or "unknown", for logs.
std::string command_name(std::uint8_t command_code);

inline constexpr int kStateWindowMs = 1000;

// State reply layout (frame offsets). Nothing after offset 257 is read, so a
// whole reply frame is 261 bytes with its checksum and end byte.
namespace state_reply {
inline constexpr std::size_t kReplyByte = 17;  // reported, not kept
inline constexpr std::size_t kOutputFormat = 20;
inline constexpr std::size_t kShowMode = 22;
inline constexpr std::size_t kText = 30;
inline constexpr std::size_t kTextBytes = 17;
// Four window-label records, one per window line.
inline constexpr std::size_t kLabels = 47;
inline constexpr std::size_t kLabelStride = 40;
inline constexpr std::size_t kLabelCount = 4;
inline constexpr std::size_t kLabelLength = 7;  // offsets within a record
inline constexpr std::size_t kLabelText = 8;
inline constexpr std::size_t kLabelTextBytes = 32;
inline constexpr std::size_t kPipChannels = 255;
inline constexpr std::size_t kLoop = 257;
inline constexpr std::size_t kLastRead = kLoop;
inline constexpr std::size_t kFrameLength = kLastRead + 1 + 3;
}  // namespace state_reply

// What a state reply carries.
struct StateReply {
  std::uint8_t reply_byte = 0;
  std::uint8_t output_format = 0;
  std::uint8_t show_mode = 0;
  std::string text;  // at most 16 bytes are sent; a reader caps at 17
  std::array<std::string, state_reply::kLabelCount> labels;
  // The length bytes as read; the builder writes each label's size.
  std::array<std::uint8_t, state_reply::kLabelCount> label_lengths{};
  std::array<std::uint8_t, 2> pip_child_ch{};
  std::uint8_t loop_state = 0;
};

// The payload of a state reply frame (frame offsets 17 to 257).
Bytes state_reply_payload(const StateReply& reply);

// Reads a whole state reply frame; nothing for a datagram shorter than
// state_reply::kFrameLength. Label texts are cut at 32 bytes whatever their
// length byte says.
std::optional<StateReply> read_state_reply(ByteView frame);

// Takes a whole reply into the record (output format, picture-in-picture
// channels, loop state) and writes the read-back's console lines. Returns
// the show mode to apply, or nothing for a datagram too short to decode.
std::optional<std::uint8_t> decode_state_reply(ByteView frame, Rk2207State& record);

inline Bytes show_mode_payload(std::uint8_t mode) { return Bytes{mode}; }

}  // namespace vela::rk2207
