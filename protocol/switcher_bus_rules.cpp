#include "switcher_bus_rules.h"

#include <utility>

#include "switcher_protocol.h"

namespace vela::switcher_bus {
namespace {

namespace code = switcher::code;

std::uint8_t& layer_flag(SwitcherState& state, SwitcherLayer layer) {
  switch (layer) {
    case SwitcherLayer::Key1:
      return state.key1_flag;
    case SwitcherLayer::Key2:
      return state.key2_flag;
    default:
      return state.pip_flag;
  }
}

// Lighting a layer clears the other layers' flags; no command goes out for them.
void select_layer(SwitcherState& state, SwitcherLayer layer) {
  if (layer != SwitcherLayer::None) {
    for (const SwitcherLayer other : {SwitcherLayer::Pip, SwitcherLayer::Key1, SwitcherLayer::Key2}) {
      if (other != layer) layer_flag(state, other) = 0;
    }
  }
  state.lit_layer = layer;
}

Outcome sends(std::uint8_t command_code, Bytes payload = {}) {
  Outcome outcome;
  outcome.command = {command_code, std::move(payload)};
  return outcome;
}

Outcome refused() {
  Outcome outcome;
  outcome.refused = true;
  return outcome;
}

std::string layer_note(int channel) { return "ch = " + std::to_string(channel) + " \n"; }

Outcome press_layer(SwitcherState& state, SwitcherLayer layer) {
  std::uint8_t& flag = layer_flag(state, layer);
  const std::uint8_t before = flag;
  Outcome outcome;
  if (before == 1) {
    // A lit layer goes off only while BKGD is on: one of them stays.
    if (state.background_flag == 0) return refused();
    flag = 0;
    outcome.notes_before.push_back(layer_note(0));
    if (state.lit_layer != SwitcherLayer::None) select_layer(state, SwitcherLayer::None);
  } else {
    flag = 1;
    outcome.notes_before.push_back(layer_note(static_cast<int>(layer)));
    if (state.lit_layer != layer) select_layer(state, layer);
  }
  switch (layer) {
    case SwitcherLayer::Pip:
      outcome.command = {code::kPipToggle, {}};
      outcome.sub_page = SettingsSubPage::Pip;
      break;
    case SwitcherLayer::Key1:
      outcome.command = {code::kKey1Toggle, {before}};
      outcome.sub_page = SettingsSubPage::LumaKey;
      break;
    case SwitcherLayer::Key2:
      outcome.command = {code::kKey2Toggle, {before}};
      outcome.sub_page = SettingsSubPage::ChromaKey;
      break;
    case SwitcherLayer::None:
      break;
  }
  return outcome;
}

Outcome press_transition_type(SwitcherState& state, TransitionType type) {
  static constexpr std::uint8_t kCodes[] = {0, code::kMixSelect, code::kDipSelect, code::kWipeSelect};
  state.transition_type = type;
  Outcome outcome = sends(kCodes[static_cast<int>(type)]);
  if (type == TransitionType::Wipe) outcome.sub_page = SettingsSubPage::Transition;
  return outcome;
}

}  // namespace

Outcome press(SwitcherState& state, Press press, std::uint8_t source) {
  switch (press) {
    case Press::Program:
      state.program_source = source;
      return sends(code::kProgramSelect, {source});
    case Press::Preview:
      state.preview_source = source;
      return sends(code::kPreviewSelect, {source});
    case Press::Pip:
      return press_layer(state, SwitcherLayer::Pip);
    case Press::Key1:
      return press_layer(state, SwitcherLayer::Key1);
    case Press::Key2:
      return press_layer(state, SwitcherLayer::Key2);
    case Press::Background: {
      const Outcome outcome = sends(code::kBackgroundToggle, {state.background_flag});
      // BKGD goes off only while a layer is lit: one of them stays.
      if (state.lit_layer != SwitcherLayer::None) state.background_flag ^= 1;
      return outcome;
    }
    case Press::OnAir: {
      const Outcome outcome = sends(code::kOnAirToggle, {state.on_air_flag});
      state.on_air_flag ^= 1;
      return outcome;
    }
    case Press::Mix:
      return press_transition_type(state, TransitionType::Mix);
    case Press::Dip:
      return press_transition_type(state, TransitionType::Dip);
    case Press::Wipe:
      return press_transition_type(state, TransitionType::Wipe);
    case Press::Cut:
      // The lever, the direction and the running flag stay as they are.
      swap_program_preview(state);
      {
        Outcome outcome = sends(code::kCut);
        outcome.notes_after = {"send cut\n", kSwapNote};
        return outcome;
      }
    case Press::FadeToBlack:
      state.fade_to_black_flag = state.fade_to_black_flag == 0 ? 1 : 0;
      return sends(code::kFadeToBlack);
  }
  return refused();
}

void swap_program_preview(SwitcherState& state) { std::swap(state.program_source, state.preview_source); }

void open_page(SwitcherState& state) {
  state.background_flag = 1;
  state.transition_type = TransitionType::Mix;
}

}  // namespace vela::switcher_bus
