#include "multiviewer_device.h"

#include "device_types.h"
#include "multiviewer_device_rules.h"

namespace vela::sim {
namespace {

namespace mv = multiviewer;
using Fields = mv::StateReplyFields;

bool is_resolution_code(std::uint8_t code) { return mv::resolution_of_code(code).has_value(); }

// Commands that set one byte of the state from one byte of their payload;
// a byte the device has no use for is refused when there is a table to ask.
struct ByteSetting {
  std::uint8_t code;
  std::size_t at;  // payload offset
  std::uint8_t Fields::*field;
  bool (*valid)(std::uint8_t) = nullptr;
  const char* what = nullptr;  // names a refused value
};
constexpr ByteSetting kByteSettings[] = {
    {mv::code::kLayout, 0, &Fields::layout_code, mv::is_layout_code, "layout code"},
    {mv::code::kOutputResolution, 1, &Fields::resolution_code, is_resolution_code, "resolution code"},
    {mv::code::kLabelSwitch, 0, &Fields::label_display},
    {mv::code::kMeterSwitch, 0, &Fields::meter_display},
    {mv::code::kAudioSource, 0, &Fields::audio_source},
    {mv::code::kResolutionLabelSwitch, 0, &Fields::resolution_display},
    {mv::code::kBorderSwitch, 0, &Fields::border},
    {mv::code::kLock, 0, &Fields::lock},
};

std::string apply_byte(Fields& state, const ByteSetting& setting, ByteView payload) {
  if (std::string note = short_payload_note(payload, setting.at + 1); !note.empty()) return note;
  const std::uint8_t value = payload[setting.at];
  if (setting.valid && !setting.valid(value))
    return std::string("ignored: ") + setting.what + " " + std::to_string(value) + " not in the table";
  state.*setting.field = value;
  return {};
}

// Commands that set a colour of one window (channel 1..16) or of all (0).
struct ColourSetting {
  std::uint8_t code;
  std::array<std::uint8_t, mv::kWindowCount> Fields::*colours;
};
constexpr ColourSetting kColourSettings[] = {
    {mv::code::kLabelTextColour, &Fields::label_text_colours},
    {mv::code::kLabelBackColour, &Fields::label_back_colours},
    {mv::code::kResolutionTextColour, &Fields::resolution_text_colours},
    {mv::code::kResolutionBackColour, &Fields::resolution_back_colours},
};

bool is_window(std::uint8_t number) { return number >= 1 && number <= mv::kWindowCount; }

std::string window_note(const char* what, std::uint8_t number) {
  return std::string("ignored: ") + what + " " + std::to_string(number) + " outside 1..16";
}

std::string apply_colour(Fields& state, const ColourSetting& setting, ByteView payload) {
  if (std::string note = short_payload_note(payload, 2); !note.empty()) return note;
  const std::uint8_t channel = payload[0];
  auto& colours = state.*setting.colours;
  if (channel == 0) {
    colours.fill(payload[1]);
  } else if (is_window(channel)) {
    colours[channel - 1] = payload[1];
  } else {
    return window_note("channel", channel);
  }
  return {};
}

Fields show_state(std::uint8_t model_window_count) {
  Fields state;
  state.layout_code = mv::device_defaults::layout_code(model_window_count);
  state.resolution_code = mv::device_defaults::kResolutionCode;
  state.label_display = 1;
  state.meter_display = 1;
  state.audio_source = 1;
  state.border = 1;
  for (int w = 0; w < mv::kWindowCount; ++w) {
    const std::string label = "CAM " + std::to_string(w + 1);
    state.labels[w] = mv::label_slot(std::u16string(label.begin(), label.end()));
    state.sources[w] = static_cast<std::uint8_t>(w + 1);
  }
  state.label_text_colours.fill(7);        // White
  state.label_back_colours.fill(0);        // Black
  state.resolution_text_colours.fill(6);   // Yellow
  state.resolution_back_colours.fill(15);  // HalfTrans
  return state;
}

WindowSet windows_with_a_source(const Fields& state) {
  WindowSet windows;
  for (int w = 0; w < mv::kWindowCount; ++w) windows.set(w, state.sources[w] != 0);
  return windows;
}

}  // namespace

MultiviewerDevice::MultiviewerDevice(DeviceConfig config)
    : Device(std::move(config)),
      model_window_count_(model_window_count(this->config().type)),
      state_(show_state(model_window_count_)),
      signal_(this->config().signal.value_or(windows_with_a_source(state_))) {}

std::string MultiviewerDevice::command_name(std::uint8_t command) const {
  if (command == vela::code::kSearch || command == vela::code::kSetAddress) return common_command_name(command);
  return mv::command_name(command);
}

bool MultiviewerDevice::set_signal(const WindowSet& windows) {
  signal_ = windows;
  return true;
}

WindowStatus MultiviewerDevice::window_status() const {
  WindowStatus status{};
  for (int w = 0; w < mv::kWindowCount; ++w) status[w] = {static_cast<std::uint8_t>(signal_.test(w) ? 1 : 0), 0};
  return status;
}

Answer MultiviewerDevice::handle(const Frame& request) {
  switch (request.code()) {
    case mv::code::kState: {
      Fields reply = state_;
      reply.status = window_status();
      return {make_reply(request, mv::code::kState, mv::state_reply_payload(reply)), {}};
    }
    case mv::code::kStatus:
      return {make_reply(request, mv::code::kStatus, mv::status_reply_payload(window_status())), {}};
    case vela::code::kSearch:
    case vela::code::kSetAddress:
      return Device::handle(request);
    default:
      return {std::nullopt, apply(request.code(), request.payload())};
  }
}

std::string MultiviewerDevice::apply(std::uint8_t code, ByteView payload) {
  for (const ByteSetting& setting : kByteSettings)
    if (setting.code == code) return apply_byte(state_, setting, payload);
  for (const ColourSetting& setting : kColourSettings)
    if (setting.code == code) return apply_colour(state_, setting, payload);
  switch (code) {
    case mv::code::kWindowSource:
      return apply_window_source(payload);
    case mv::code::kLabelText:
      return apply_label_text(payload);
    case mv::code::kDefaults:
      return apply_defaults(payload);
    default:
      return "ignored: not a multiviewer command";
  }
}

std::string MultiviewerDevice::apply_window_source(ByteView payload) {
  if (std::string note = short_payload_note(payload, 2); !note.empty()) return note;
  const std::uint8_t window = payload[1];
  if (!is_window(window)) return window_note("window", window);
  state_.sources[window - 1] = payload[0];
  return {};
}

std::string MultiviewerDevice::apply_label_text(ByteView payload) {
  const std::optional<mv::LabelTextCommand> command = mv::read_label_text_payload(payload);
  if (!command) return "ignored: label text payload of " + std::to_string(payload.size()) + " bytes is malformed";
  if (!is_window(command->window)) return window_note("window", command->window);
  // The slot keeps the first 16 units of a longer label.
  state_.labels[command->window - 1] = mv::label_slot(command->label);
  return {};
}

std::string MultiviewerDevice::apply_defaults(ByteView payload) {
  if (std::string note = short_payload_note(payload, 1); !note.empty()) return note;
  mv::device_defaults::apply(state_, model_window_count_);
  return {};
}

}  // namespace vela::sim
