#pragma once
// The multiviewer's command set (types 0xA1 and 0xA4): codes, payloads, the
// state reply and the status reply, for the page and the simulator alike.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "frame.h"
#include "multiviewer_state.h"

namespace vela::multiviewer {

namespace code {
inline constexpr std::uint8_t kOutputResolution = 0x19;
inline constexpr std::uint8_t kLabelText = 0x1E;
// The scanner in the link finds state replies by this code.
inline constexpr std::uint8_t kState = vela::code::kMultiviewerState;
inline constexpr std::uint8_t kLayout = 0x33;
inline constexpr std::uint8_t kWindowSource = 0x34;
inline constexpr std::uint8_t kLabelSwitch = 0x36;
inline constexpr std::uint8_t kMeterSwitch = 0x37;
inline constexpr std::uint8_t kDefaults = 0x38;
inline constexpr std::uint8_t kAudioSource = 0x39;
inline constexpr std::uint8_t kResolutionLabelSwitch = 0x3A;
inline constexpr std::uint8_t kLabelTextColour = 0x3B;
inline constexpr std::uint8_t kLabelBackColour = 0x3C;
inline constexpr std::uint8_t kResolutionTextColour = 0x3D;
inline constexpr std::uint8_t kResolutionBackColour = 0x3E;
inline constexpr std::uint8_t kBorderSwitch = 0x3F;
inline constexpr std::uint8_t kLock = 0x50;
inline constexpr std::uint8_t kStatus = 0x51;
inline constexpr std::uint8_t kSetAddress = vela::code::kSetAddress;
}  // namespace code

// Name of a multiviewer command code for logs ("layout", ...); "unknown"
// for a code the family does not use.
std::string command_name(std::uint8_t command_code);

// Exchange settings of the two reads.
inline constexpr int kStateWindowUdpMs = 200;
inline constexpr int kStateWindowSerialMs = 5000;
inline constexpr int kStatusWindowMs = 1000;

// State reply layout (frame offsets). Nothing after offset 665 is read, so a
// whole reply frame is 669 bytes with its checksum and end byte.
namespace state_reply {
inline constexpr std::size_t kLayoutCode = 18;
inline constexpr std::size_t kResolutionCode = 19;
inline constexpr std::size_t kLabelDisplay = 20;
inline constexpr std::size_t kMeterDisplay = 21;
inline constexpr std::size_t kAudioSource = 22;
inline constexpr std::size_t kResolutionDisplay = 23;
inline constexpr std::size_t kLabelSlots = 24;
inline constexpr std::size_t kLabelSlotStride = 33;
inline constexpr std::size_t kLabelTextBytes = 32;
inline constexpr std::size_t kSources = 552;
inline constexpr std::size_t kStatus = 568;
inline constexpr std::size_t kBorder = 600;
inline constexpr std::size_t kLock = 601;
inline constexpr std::size_t kLabelTextColours = 602;
inline constexpr std::size_t kLabelBackColours = 618;
inline constexpr std::size_t kResolutionTextColours = 634;
inline constexpr std::size_t kResolutionBackColours = 650;
inline constexpr std::size_t kLastRead = 665;
inline constexpr std::size_t kFrameLength = kLastRead + 1 + 3;
}  // namespace state_reply

// Status reply: window status from offset 18, two bytes a window.
namespace status_reply {
inline constexpr std::size_t kStatus = 18;
inline constexpr std::size_t kLastRead = kStatus + 32 - 1;
inline constexpr std::size_t kFrameLength = kLastRead + 1 + 3;
}  // namespace status_reply

// One label slot of the state reply: a byte count and 32 bytes of UTF-16LE.
struct LabelSlot {
  std::uint8_t length = 0;
  std::array<std::uint8_t, state_reply::kLabelTextBytes> text{};
};

// What a state reply carries, byte for byte as the device sends it.
struct StateReplyFields {
  std::uint8_t layout_code = 16;
  std::uint8_t resolution_code = 7;
  std::uint8_t label_display = 0;
  std::uint8_t meter_display = 0;
  std::uint8_t audio_source = 0;
  std::uint8_t resolution_display = 0;
  std::array<LabelSlot, kWindowCount> labels{};
  std::array<std::uint8_t, kWindowCount> sources{};
  WindowStatus status{};
  std::uint8_t border = 0;
  std::uint8_t lock = 0;
  std::array<std::uint8_t, kWindowCount> label_text_colours{};
  std::array<std::uint8_t, kWindowCount> label_back_colours{};
  std::array<std::uint8_t, kWindowCount> resolution_text_colours{};
  std::array<std::uint8_t, kWindowCount> resolution_back_colours{};
};

// The payload of a state reply (frame offsets 17..665; byte 17 is 0).
Bytes state_reply_payload(const StateReplyFields& fields);
// Reads a state reply frame; nothing when it is shorter than a whole frame.
std::optional<StateReplyFields> read_state_reply(ByteView frame);

// A label slot holding `label` (at most 16 units are kept).
LabelSlot label_slot(const std::u16string& label);
// The label of a slot: the first `length` bytes as UTF-16LE (an odd last
// byte makes a unit with a zero high byte, a zero unit ends the text);
// nothing when the length is above 32.
std::optional<std::u16string> slot_label(const LabelSlot& slot);

enum class DecodeDiagnostics { Off, On };
enum class DecodeStatus { Skip, Take };

// Decodes a state reply into the record by the panel's rules. Returns false,
// changing nothing, when the frame is shorter than what it reads.
bool decode_state_reply(ByteView frame, MultiviewerState& state, DecodeStatus status, DecodeDiagnostics diagnostics);

// Payload of a status reply (offsets 17..49).
Bytes status_reply_payload(const WindowStatus& status);
// Reads the window status of a status reply; nothing when it is too short.
std::optional<WindowStatus> read_status_reply(ByteView frame);

// Payloads of the commands.
Bytes layout_payload(std::uint8_t layout_code);
Bytes window_source_payload(std::uint8_t input, std::uint8_t window);
Bytes output_resolution_payload(std::uint8_t resolution_code);
Bytes switch_payload(std::uint8_t value);  // label, meter, resolution label, border, lock
Bytes colour_payload(std::uint8_t channel, std::uint8_t colour_index);
Bytes label_text_payload(std::uint8_t window, const std::u16string& label);
Bytes defaults_payload();
Bytes set_address_payload(const std::array<std::uint8_t, 4>& address, const std::array<std::uint8_t, 4>& mask,
                          const std::array<std::uint8_t, 4>& gateway);

// The label carried by a label text command payload (window, text).
struct LabelTextCommand {
  std::uint8_t window = 0;
  std::u16string label;
};
std::optional<LabelTextCommand> read_label_text_payload(ByteView payload);

}  // namespace vela::multiviewer
