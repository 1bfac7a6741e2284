#include "switcher/switcher_keys.h"

#include "switcher/switcher_bitmaps.h"

namespace vela::switcher_keys {
namespace {

namespace bitmap = switcher_bitmap;

constexpr QSize kBus = bitmap::bus_size;
constexpr QSize kLarge = bitmap::large_size;
constexpr QSize kSmall = bitmap::small_key_size;

constexpr KeySpec kKeys[] = {
    {1032, {{10, 120}, kBus}, Key::Program, 1, "1"},
    {1033, {{80, 120}, kBus}, Key::Program, 2, "2"},
    {1011, {{150, 120}, kBus}, Key::Program, 3, "3"},
    {1107, {{220, 120}, kBus}, Key::Program, 4, "4"},
    {1108, {{10, 200}, kBus}, Key::Program, 5, "5"},
    {1109, {{80, 200}, kBus}, Key::Program, 6, "6"},
    {1110, {{150, 200}, kBus}, Key::Program, 7, "7"},
    {1111, {{220, 200}, kBus}, Key::Program, 8, "8"},
    {1120, {{290, 200}, kBus}, Key::Program, bus_source::kMp1, "MP1"},
    {1034, {{10, 340}, kBus}, Key::Preview, 1, "1"},
    {1035, {{80, 340}, kBus}, Key::Preview, 2, "2"},
    {1012, {{150, 340}, kBus}, Key::Preview, 3, "3"},
    {1112, {{220, 340}, kBus}, Key::Preview, 4, "4"},
    {1113, {{10, 420}, kBus}, Key::Preview, 5, "5"},
    {1114, {{80, 420}, kBus}, Key::Preview, 6, "6"},
    {1115, {{150, 420}, kBus}, Key::Preview, 7, "7"},
    {1116, {{220, 420}, kBus}, Key::Preview, 8, "8"},
    {1155, {{290, 420}, kBus}, Key::Preview, bus_source::kMp1, "MP1"},
    {1131, {{395, 120}, kBus}, Key::Pip, 0, "PIP"},
    {1144, {{465, 120}, kBus}, Key::Key1, 0, "KEY 1"},
    {1145, {{535, 120}, kBus}, Key::Key2, 0, "KEY 2"},
    {1135, {{395, 200}, kBus}, Key::Background, 0, "BKGD"},
    {1134, {{535, 200}, kBus}, Key::OnAir, 0, "ON AIR"},
    {1136, {{395, 340}, kBus}, Key::Mix, 0, "MIX"},
    {1162, {{465, 340}, kBus}, Key::Dip, 0, "DIP"},
    {1132, {{535, 340}, kBus}, Key::Wipe, 0, "WIPE"},
    {kCutId, {{395, 420}, kLarge}, Key::Cut, 0, "Cut"},
    {kAutoId, {{480, 420}, kLarge}, Key::Auto, 0, "Auto"},
    {kFtbId, {{800, 420}, kLarge}, Key::Ftb, 0, "FTB"},
    {1039, {{600, 550}, kSmall}, Key::Setup, 0, "Button10"},
    {1210, {{640, 550}, kSmall}, Key::Names, 0, "Button11"},
};

}  // namespace

std::span<const KeySpec> keys() { return kKeys; }

Pictures pictures_of(const KeySpec& key) {
  switch (key.key) {
    case Key::Program:
    case Key::Preview:
      return {bitmap::bus_normal(key.source), bitmap::bus_red(key.source)};
    case Key::Pip:
      return {bitmap::pip_normal, bitmap::pip_lit};
    case Key::Key1:
      return {bitmap::key1_normal, bitmap::key1_lit};
    case Key::Key2:
      return {bitmap::key2_normal, bitmap::key2_lit};
    case Key::Background:
      return {bitmap::bkgd_normal, bitmap::bkgd_lit};
    case Key::OnAir:
      return {bitmap::on_air_normal, bitmap::on_air_lit};
    case Key::Mix:
      return {bitmap::mix_normal, bitmap::mix_lit};
    case Key::Dip:
      return {bitmap::dip_normal, bitmap::dip_lit};
    case Key::Wipe:
      return {bitmap::wipe_normal, bitmap::wipe_lit};
    case Key::Cut:
      return {bitmap::cut, bitmap::cut};
    case Key::Auto:
      return {bitmap::auto_normal, bitmap::auto_lit};
    case Key::Ftb:
      return {bitmap::ftb_normal, bitmap::ftb_lit};
    case Key::Setup:
    case Key::Names:
      return {bitmap::small_key, bitmap::small_key};
  }
  return {};
}

int picture_for(const KeySpec& key, const SwitcherState& state) {
  const Pictures pictures = pictures_of(key);
  const auto lit_when = [&pictures](bool lit) { return lit ? pictures.lit : pictures.normal; };
  switch (key.key) {
    case Key::Program:
      return lit_when(state.program_source == key.source);
    case Key::Preview:
      // Green while no transition runs, red while one does.
      if (state.preview_source != key.source) return pictures.normal;
      return state.transition_running ? bitmap::bus_red(key.source) : bitmap::bus_green(key.source);
    case Key::Pip:
      return lit_when(state.lit_layer == SwitcherLayer::Pip);
    case Key::Key1:
      return lit_when(state.lit_layer == SwitcherLayer::Key1);
    case Key::Key2:
      return lit_when(state.lit_layer == SwitcherLayer::Key2);
    case Key::Background:
      return lit_when(state.background_flag != 0);
    case Key::OnAir:
      return lit_when(state.on_air_flag != 0);
    case Key::Mix:
      return lit_when(state.transition_type == TransitionType::Mix);
    case Key::Dip:
      return lit_when(state.transition_type == TransitionType::Dip);
    case Key::Wipe:
      return lit_when(state.transition_type == TransitionType::Wipe);
    case Key::Auto:
      return lit_when(state.transition_running != 0);
    case Key::Cut:
    case Key::Ftb:
    case Key::Setup:
    case Key::Names:
      return pictures.normal;
  }
  return pictures.normal;
}

std::optional<switcher_bus::Press> rule_of(Key key) {
  using switcher_bus::Press;
  switch (key) {
    case Key::Program:
      return Press::Program;
    case Key::Preview:
      return Press::Preview;
    case Key::Pip:
      return Press::Pip;
    case Key::Key1:
      return Press::Key1;
    case Key::Key2:
      return Press::Key2;
    case Key::Background:
      return Press::Background;
    case Key::OnAir:
      return Press::OnAir;
    case Key::Mix:
      return Press::Mix;
    case Key::Dip:
      return Press::Dip;
    case Key::Wipe:
      return Press::Wipe;
    case Key::Cut:
      return Press::Cut;
    case Key::Ftb:
      return Press::FadeToBlack;
    case Key::Auto:
    case Key::Setup:
    case Key::Names:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace vela::switcher_keys
