#include "multiviewer_protocol.h"

#include <algorithm>
#include <cstring>

#include "diagnostics.h"
#include "numbered_text.h"

namespace vela::multiviewer {
namespace {

// A reply is read only when the whole frame (through its checksum and end
// byte) holds every byte the reader looks at.
bool holds_whole_frame(ByteView frame, std::size_t whole_length) { return frame.size() >= whole_length; }

void put_bytes(Bytes& out, std::size_t offset, const std::uint8_t* bytes, std::size_t count) {
  std::copy_n(bytes, count, out.begin() + static_cast<std::ptrdiff_t>(offset - frame::kPayloadOffset));
}

template <std::size_t N>
void get_bytes(ByteView frame, std::size_t offset, std::array<std::uint8_t, N>& into) {
  std::copy_n(frame.begin() + static_cast<std::ptrdiff_t>(offset), N, into.begin());
}

template <std::size_t N>
void copy_colours(const std::array<std::uint8_t, N>& from, std::uint8_t (&into)[N]) {
  std::copy(from.begin(), from.end(), into);
}

}  // namespace

std::string command_name(std::uint8_t command_code) {
  switch (command_code) {
    case code::kOutputResolution:
      return "output-resolution";
    case code::kLabelText:
      return "label-text";
    case code::kState:
      return "state";
    case code::kLayout:
      return "layout";
    case code::kWindowSource:
      return "window-source";
    case code::kLabelSwitch:
      return "label-switch";
    case code::kMeterSwitch:
      return "meter-switch";
    case code::kDefaults:
      return "defaults";
    case code::kAudioSource:
      return "audio-source";
    case code::kResolutionLabelSwitch:
      return "resolution-label-switch";
    case code::kLabelTextColour:
      return "label-text-colour";
    case code::kLabelBackColour:
      return "label-back-colour";
    case code::kResolutionTextColour:
      return "resolution-text-colour";
    case code::kResolutionBackColour:
      return "resolution-back-colour";
    case code::kBorderSwitch:
      return "border-switch";
    case code::kLock:
      return "lock";
    case code::kStatus:
      return "status";
    case code::kSetAddress:
      return "set-address";
    default:
      return "unknown";
  }
}

LabelSlot label_slot(const std::u16string& label) {
  LabelSlot slot;
  const std::size_t units = std::min<std::size_t>(label.size(), state_reply::kLabelTextBytes / 2);
  for (std::size_t i = 0; i < units; ++i) {
    slot.text[2 * i] = static_cast<std::uint8_t>(label[i] & 0xFF);
    slot.text[2 * i + 1] = static_cast<std::uint8_t>(label[i] >> 8);
  }
  slot.length = static_cast<std::uint8_t>(units * 2);
  return slot;
}

std::optional<std::u16string> slot_label(const LabelSlot& slot) {
  if (slot.length > state_reply::kLabelTextBytes) return std::nullopt;
  std::u16string label;
  for (std::size_t i = 0; i < slot.length; i += 2) {
    const std::uint8_t high = i + 1 < slot.length ? slot.text[i + 1] : 0;
    const char16_t unit = static_cast<char16_t>(slot.text[i] | (high << 8));
    if (unit == 0) break;
    label.push_back(unit);
  }
  return label;
}

Bytes state_reply_payload(const StateReplyFields& f) {
  namespace at = state_reply;
  Bytes out(at::kLastRead + 1 - frame::kPayloadOffset, 0);
  const auto put = [&out](std::size_t offset, std::uint8_t value) { out[offset - frame::kPayloadOffset] = value; };
  put(at::kLayoutCode, f.layout_code);
  put(at::kResolutionCode, f.resolution_code);
  put(at::kLabelDisplay, f.label_display);
  put(at::kMeterDisplay, f.meter_display);
  put(at::kAudioSource, f.audio_source);
  put(at::kResolutionDisplay, f.resolution_display);
  for (int w = 0; w < kWindowCount; ++w) {
    const std::size_t slot = at::kLabelSlots + w * at::kLabelSlotStride;
    put(slot, f.labels[w].length);
    put_bytes(out, slot + 1, f.labels[w].text.data(), at::kLabelTextBytes);
    put(at::kStatus + 2 * w, f.status[w][0]);
    put(at::kStatus + 2 * w + 1, f.status[w][1]);
  }
  put_bytes(out, at::kSources, f.sources.data(), kWindowCount);
  put(at::kBorder, f.border);
  put(at::kLock, f.lock);
  put_bytes(out, at::kLabelTextColours, f.label_text_colours.data(), kWindowCount);
  put_bytes(out, at::kLabelBackColours, f.label_back_colours.data(), kWindowCount);
  put_bytes(out, at::kResolutionTextColours, f.resolution_text_colours.data(), kWindowCount);
  put_bytes(out, at::kResolutionBackColours, f.resolution_back_colours.data(), kWindowCount);
  return out;
}

std::optional<StateReplyFields> read_state_reply(ByteView frame) {
  namespace at = state_reply;
  if (!holds_whole_frame(frame, at::kFrameLength)) return std::nullopt;
  StateReplyFields f;
  f.layout_code = frame[at::kLayoutCode];
  f.resolution_code = frame[at::kResolutionCode];
  f.label_display = frame[at::kLabelDisplay];
  f.meter_display = frame[at::kMeterDisplay];
  f.audio_source = frame[at::kAudioSource];
  f.resolution_display = frame[at::kResolutionDisplay];
  for (int w = 0; w < kWindowCount; ++w) {
    const std::size_t slot = at::kLabelSlots + w * at::kLabelSlotStride;
    f.labels[w].length = frame[slot];
    get_bytes(frame, slot + 1, f.labels[w].text);
    f.status[w] = {frame[at::kStatus + 2 * w], frame[at::kStatus + 2 * w + 1]};
  }
  get_bytes(frame, at::kSources, f.sources);
  f.border = frame[at::kBorder];
  f.lock = frame[at::kLock];
  get_bytes(frame, at::kLabelTextColours, f.label_text_colours);
  get_bytes(frame, at::kLabelBackColours, f.label_back_colours);
  get_bytes(frame, at::kResolutionTextColours, f.resolution_text_colours);
  get_bytes(frame, at::kResolutionBackColours, f.resolution_back_colours);
  return f;
}

bool decode_state_reply(ByteView frame, MultiviewerState& state, DecodeStatus status, DecodeDiagnostics diagnostics) {
  const std::optional<StateReplyFields> reply = read_state_reply(frame);
  if (!reply) return false;
  const bool log = diagnostics == DecodeDiagnostics::On;
  MultiviewerSettings& settings = state.m_settings;

  const std::optional<LayoutEntry> layout = layout_of_code(reply->layout_code);
  state.m_layout_window_count = layout ? reply->layout_code : 1;
  if (layout) settings.mode_type = layout->index;
  if (log) diag("m_p_glo_main_set_or_get_dlg.m_cur_window_count = %d \n", state.m_layout_window_count);
  if (const auto resolution = resolution_of_code(reply->resolution_code))
    settings.resolution_type = resolution->position;
  if (log) diag(" mode = %d ,reso = %d \n", settings.mode_type, settings.resolution_type);

  state.set_label_display(reply->label_display);
  state.set_meter_display(reply->meter_display);
  settings.audio_source_channel = reply->audio_source;
  state.set_resolution_display(reply->resolution_display);
  if (log) {
    diag("umd enable %d, audio enable %d ,audio source %d,reso enable %d  \n", reply->label_display,
         reply->meter_display, reply->audio_source, reply->resolution_display);
  }
  for (int w = 0; w < kWindowCount; ++w) {
    if (log) diag("%d line  = %d \n", w, reply->labels[w].length);
    if (auto label = slot_label(reply->labels[w])) state.m_window_label[w] = std::move(*label);
  }
  state.m_window_source = reply->sources;
  if (status == DecodeStatus::Take) state.m_window_status = reply->status;
  settings.border_enable = reply->border;
  settings.lock_state = reply->lock;
  copy_colours(reply->label_text_colours, settings.label_text_colour);
  copy_colours(reply->label_back_colours, settings.label_back_colour);
  copy_colours(reply->resolution_text_colours, settings.resolution_text_colour);
  copy_colours(reply->resolution_back_colours, settings.resolution_back_colour);
  state.settings_origin.confirm();
  if (status == DecodeStatus::Take) state.status_origin.confirm();
  return true;
}

Bytes status_reply_payload(const WindowStatus& status) {
  Bytes out{0x00};
  for (const auto& window : status) out.insert(out.end(), window.begin(), window.end());
  return out;
}

std::optional<WindowStatus> read_status_reply(ByteView frame) {
  if (!holds_whole_frame(frame, status_reply::kFrameLength)) return std::nullopt;
  WindowStatus status{};
  for (int w = 0; w < kWindowCount; ++w) {
    status[w] = {frame[status_reply::kStatus + 2 * w], frame[status_reply::kStatus + 2 * w + 1]};
  }
  return status;
}

Bytes layout_payload(std::uint8_t layout_code) { return {layout_code}; }
Bytes window_source_payload(std::uint8_t input, std::uint8_t window) { return {input, window}; }
Bytes output_resolution_payload(std::uint8_t resolution_code) { return {0x00, resolution_code}; }
Bytes switch_payload(std::uint8_t value) { return {value}; }
Bytes colour_payload(std::uint8_t channel, std::uint8_t colour_index) { return {channel, colour_index}; }
Bytes defaults_payload() { return {0x00}; }

Bytes label_text_payload(std::uint8_t window, const std::u16string& label) {
  return numbered_text_payload(window, label);
}

std::optional<LabelTextCommand> read_label_text_payload(ByteView payload) {
  const std::optional<NumberedText> read = read_numbered_text_payload(payload);
  if (!read) return std::nullopt;
  return LabelTextCommand{read->number, read->text};
}

Bytes set_address_payload(const std::array<std::uint8_t, 4>& address, const std::array<std::uint8_t, 4>& mask,
                          const std::array<std::uint8_t, 4>& gateway) {
  Bytes out;
  for (const auto* part : {&address, &mask, &gateway}) out.insert(out.end(), part->begin(), part->end());
  return out;
}

}  // namespace vela::multiviewer
