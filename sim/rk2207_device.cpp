#include "rk2207_device.h"

#include "rk2207_show_modes.h"
#include "show_mode_setting.h"

namespace vela::sim {
namespace {

rk2207::StateReply show_state(const std::string& name) {
  rk2207::StateReply state;
  state.text = name;
  for (std::size_t line = 0; line < state.labels.size(); ++line) state.labels[line] = "CH " + std::to_string(line + 1);
  state.pip_child_ch = {2, 3};
  return state;
}

}  // namespace

Rk2207Device::Rk2207Device(DeviceConfig config) : Device(std::move(config)), state_(show_state(name())) {}

std::string Rk2207Device::command_name(std::uint8_t code) const {
  return family_or_common_name(rk2207::command_name(code), code);
}

Answer Rk2207Device::handle(const Frame& request) {
  switch (request.code()) {
    case rk2207::code::kState:
      return {make_reply(request, rk2207::code::kState, rk2207::state_reply_payload(state_)), {}};
    case rk2207::code::kShowMode:
      return {std::nullopt, apply_show_mode(request.payload(), rk2207::kStackedMode, state_.show_mode)};
    default:
      return Device::handle(request);
  }
}

}  // namespace vela::sim
