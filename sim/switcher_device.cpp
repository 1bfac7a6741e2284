#include "switcher_device.h"

#include <utility>

#include "switcher_protocol.h"
#include "switcher_state.h"

namespace vela::sim {
namespace {

namespace sw = switcher;
using State = SwitcherDeviceState;

// Commands that set one byte of the record to their payload byte, within
// [low, high].
struct ByteSetting {
  std::uint8_t code;
  std::uint8_t State::*field;
  std::uint8_t low;
  std::uint8_t high;
};
constexpr std::uint8_t kLastSourceIndex = source_list::kMp;
constexpr ByteSetting kByteSettings[] = {
    {sw::code::kProgramSelect, &State::program, 1, bus_source::kMp1},
    {sw::code::kPreviewSelect, &State::preview, 1, bus_source::kMp1},
    {sw::code::kWipePattern, &State::wipe_pattern, 0, 8},
    {sw::code::kLumaKeySource, &State::luma_key_source, 0, kLastSourceIndex},
    {sw::code::kChromaKeySource, &State::chroma_key_source, 0, kLastSourceIndex},
    {sw::code::kChromaKeyType, &State::chroma_key_type, 0, 1},
    {sw::code::kPipSource, &State::pip_source, 0, kLastSourceIndex},
    {sw::code::kPipBorderEnable, &State::pip_border_enable, 0, 1},
    {sw::code::kPipBorderColour, &State::pip_border_colour, 0, 3},
    {sw::code::kPipBorderWidth, &State::pip_border_width, 0, 15},
    {sw::code::kOutputResolution, &State::output_resolution, 0, 0xFF},
};

// Toggles whose payload is the panel's flag before the press: the switcher
// takes the other value.
struct ToggleSetting {
  std::uint8_t code;
  std::uint8_t State::*field;
};
constexpr ToggleSetting kToggles[] = {
    {sw::code::kOnAirToggle, &State::on_air},
    {sw::code::kBackgroundToggle, &State::background},
    {sw::code::kKey1Toggle, &State::key1},
    {sw::code::kKey2Toggle, &State::key2},
};

struct WordSetting {
  std::uint8_t code;
  std::uint16_t State::*field;
  std::uint16_t high;
};
constexpr WordSetting kWordSettings[] = {
    {sw::code::kPipX, &State::pip_x, 1920},
    {sw::code::kPipY, &State::pip_y, 1080},
    {sw::code::kPipWidth, &State::pip_width, 1920},
};

struct TypeSelect {
  std::uint8_t code;
  TransitionType type;
};
constexpr TypeSelect kTypeSelects[] = {
    {sw::code::kMixSelect, TransitionType::Mix},
    {sw::code::kDipSelect, TransitionType::Dip},
    {sw::code::kWipeSelect, TransitionType::Wipe},
};

std::string range_note(const char* what, int value, int low, int high) {
  return std::string("ignored: ") + what + " " + std::to_string(value) + " outside " + std::to_string(low) + ".." +
         std::to_string(high);
}

std::uint16_t word_at(ByteView payload, std::size_t at) {
  return static_cast<std::uint16_t>(payload[at] | (payload[at + 1] << 8));
}

}  // namespace

std::string SwitcherDevice::command_name(std::uint8_t command) const {
  if (command == vela::code::kSearch || command == vela::code::kSetAddress) return common_command_name(command);
  return sw::command_name(command);
}

Answer SwitcherDevice::handle(const Frame& request) {
  switch (request.code()) {
    case vela::code::kSearch:
    case vela::code::kSetAddress:
      return Device::handle(request);
    case sw::code::kCameraName:
      return answer_camera_name(request);
    default:
      return {std::nullopt, apply(request.code(), request.payload())};
  }
}

std::string SwitcherDevice::apply(std::uint8_t code, ByteView payload) {
  const sw::CommandInfo* info = sw::command_info(code);
  if (info == nullptr) return "ignored: not a switcher command";
  if (std::string note = short_payload_note(payload, info->payload_length); !note.empty()) return note;
  for (const ByteSetting& setting : kByteSettings) {
    if (setting.code != code) continue;
    if (payload[0] < setting.low || payload[0] > setting.high)
      return range_note(info->name, payload[0], setting.low, setting.high);
    state_.*setting.field = payload[0];
    return {};
  }
  for (const ToggleSetting& toggle : kToggles) {
    if (toggle.code != code) continue;
    state_.*toggle.field = payload[0] == 0 ? 1 : 0;
    return {};
  }
  for (const WordSetting& setting : kWordSettings) {
    if (setting.code != code) continue;
    const std::uint16_t value = word_at(payload, 0);
    if (value > setting.high) return range_note(info->name, value, 0, setting.high);
    state_.*setting.field = value;
    return {};
  }
  for (const TypeSelect& select : kTypeSelects) {
    if (select.code != code) continue;
    state_.transition_type = static_cast<std::uint8_t>(select.type);
    return {};
  }
  switch (code) {
    case sw::code::kCut:
    case sw::code::kAutoTransition:
      complete_transition();
      return {};
    case sw::code::kFadeToBlack:
      state_.fade_to_black ^= 1;
      return {};
    case sw::code::kPipToggle:
      state_.pip ^= 1;
      return {};
    case sw::code::kKeyRed:
    case sw::code::kKeyGreen:
    case sw::code::kKeyBlue:
      state_.key_colour[code - sw::code::kKeyRed] = payload[0];
      return {};
    case sw::code::kTransitionPosition:
      return apply_transition_position(payload);
    case sw::code::kWindowInput:
      return apply_window_input(payload);
    case sw::code::kSliderRate:
      return apply_slider_rate(payload);
    default:
      return "ignored: not a switcher command";
  }
}

std::string SwitcherDevice::apply_transition_position(ByteView payload) {
  const std::uint8_t value = payload[1];
  if (payload[0] > 1) return range_note("transition direction", payload[0], 0, 1);
  if (value < 1 || value > 128) return range_note("transition value", value, 1, 128);
  state_.transition_direction = payload[0];
  state_.transition_value = value;
  if (value == 128) complete_transition();
  return {};
}

std::string SwitcherDevice::apply_window_input(ByteView payload) {
  const std::uint8_t window = payload[0];
  if (window < 1 || window > state_.window_inputs.size())
    return range_note("window", window, 1, static_cast<int>(state_.window_inputs.size()));
  if (payload[1] > kLastSourceIndex) return range_note("source", payload[1], 0, kLastSourceIndex);
  state_.window_inputs[window - 1] = payload[1];
  return {};
}

std::string SwitcherDevice::apply_slider_rate(ByteView payload) {
  const std::uint8_t rate = payload[0];
  const std::uint16_t milliseconds = word_at(payload, 1);
  if (rate < 1 || rate > state_.slider_rates_ms.size())
    return range_note("rate", rate, 1, static_cast<int>(state_.slider_rates_ms.size()));
  if (milliseconds < 100 || milliseconds > 9900) return range_note("rate milliseconds", milliseconds, 100, 9900);
  state_.slider_rates_ms[rate - 1] = milliseconds;
  return {};
}

Answer SwitcherDevice::answer_camera_name(const Frame& request) {
  const std::optional<sw::CameraNameCommand> command = sw::read_camera_name_payload(request.payload());
  if (!command) {
    return {std::nullopt,
            "ignored: camera name payload of " + std::to_string(request.payload().size()) + " bytes is malformed"};
  }
  if (command->number < 1 || command->number > state_.camera_names.size())
    return {std::nullopt, range_note("camera", command->number, 1, static_cast<int>(state_.camera_names.size()))};
  const NameAnswer answer = config().names;
  if (answer == NameAnswer::refuse)
    return {make_reply(request, sw::code::kCameraName, Bytes{sw::camera_name::kRefused}), "refused: names=refuse"};
  state_.camera_names[command->number - 1] = command->name;
  if (answer == NameAnswer::silent) return {std::nullopt, "not answered: names=silent"};
  return {make_reply(request, sw::code::kCameraName, Bytes{sw::camera_name::kAccepted}), {}};
}

void SwitcherDevice::complete_transition() {
  std::swap(state_.program, state_.preview);
  ++state_.transitions_completed;
}

}  // namespace vela::sim
