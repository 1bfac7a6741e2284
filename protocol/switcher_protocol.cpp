#include "switcher_protocol.h"

#include <algorithm>

#include "numbered_text.h"

namespace vela::switcher {
namespace {

constexpr CommandInfo kCommands[] = {
    {code::kProgramSelect, "program-select", 1},
    {code::kPreviewSelect, "preview-select", 1},
    {code::kTransitionPosition, "transition-position", 2},
    {code::kCut, "cut", 0},
    {code::kAutoTransition, "auto-transition", 0},
    {code::kFadeToBlack, "fade-to-black", 0},
    {code::kPipToggle, "pip-toggle", 0},
    {code::kOnAirToggle, "on-air-toggle", 1},
    {code::kBackgroundToggle, "background-toggle", 1},
    {code::kKey1Toggle, "key1-toggle", 1},
    {code::kKey2Toggle, "key2-toggle", 1},
    {code::kMixSelect, "mix-select", 0},
    {code::kDipSelect, "dip-select", 0},
    {code::kWipeSelect, "wipe-select", 0},
    {code::kWipePattern, "wipe-pattern", 1},
    {code::kLumaKeySource, "luma-key-source", 1},
    {code::kKeyRed, "key-red", 1},
    {code::kKeyGreen, "key-green", 1},
    {code::kKeyBlue, "key-blue", 1},
    {code::kChromaKeySource, "chroma-key-source", 1},
    {code::kChromaKeyType, "chroma-key-type", 1},
    {code::kPipSource, "pip-source", 1},
    {code::kPipBorderEnable, "pip-border-enable", 1},
    {code::kPipBorderColour, "pip-border-colour", 1},
    {code::kPipBorderWidth, "pip-border-width", 1},
    {code::kPipX, "pip-x", 2},
    {code::kPipY, "pip-y", 2},
    {code::kPipWidth, "pip-width", 2},
    {code::kOutputResolution, "output-resolution", 1},
    {code::kWindowInput, "window-input", 2},
    {code::kSliderRate, "slider-rate", 3},
    {code::kCameraName, "camera-name", camera_name::kHeaderLength},
};

}  // namespace

const CommandInfo* command_info(std::uint8_t command_code) {
  const auto* found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                   [command_code](const CommandInfo& c) { return c.code == command_code; });
  return found == std::end(kCommands) ? nullptr : found;
}

std::string command_name(std::uint8_t command_code) {
  const CommandInfo* info = command_info(command_code);
  return info ? info->name : "unknown";
}

Bytes camera_name_payload(int camera_index, std::u16string_view name) {
  return numbered_text_payload(static_cast<std::uint8_t>(camera_index + 1), name.substr(0, camera_name::kMaxUnits));
}

std::optional<CameraNameCommand> read_camera_name_payload(ByteView payload) {
  const std::optional<NumberedText> read = read_numbered_text_payload(payload);
  if (!read) return std::nullopt;
  return CameraNameCommand{read->number, read->text};
}

std::optional<CameraNameAnswer> read_camera_name_ack(ByteView datagram) {
  if (datagram.size() <= camera_name::kStatusOffset) return std::nullopt;
  return datagram[camera_name::kStatusOffset] == camera_name::kAccepted ? CameraNameAnswer::Accepted
                                                                        : CameraNameAnswer::Refused;
}

}  // namespace vela::switcher
