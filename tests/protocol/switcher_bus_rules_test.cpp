// The switcher page's key rules without widgets: what each press leaves in
// the record, which command (code and payload) goes out, the lines written
// and the settings sub-page shown.
#include "switcher_bus_rules.h"

#include <gtest/gtest.h>

#include <functional>

namespace vela::switcher_bus {
namespace {

using Change = std::function<void(SwitcherState&)>;

void unchanged(SwitcherState&) {}

// The record as an opened page leaves it: BKGD on, MIX selected.
SwitcherState opened() {
  SwitcherState state;
  open_page(state);
  return state;
}

Change layer_on(SwitcherLayer layer) {
  return [layer](SwitcherState& s) {
    s.pip_flag = layer == SwitcherLayer::Pip;
    s.key1_flag = layer == SwitcherLayer::Key1;
    s.key2_flag = layer == SwitcherLayer::Key2;
    s.lit_layer = layer;
  };
}

Change both(Change first, Change second) {
  return [first, second](SwitcherState& s) {
    first(s);
    second(s);
  };
}

struct PressRow {
  const char* label;
  Change start;  // applied to an opened page's record
  Press press;
  std::uint8_t source;
  Change expected;  // applied to the start record
  bool refused;
  Command command;  // code and payload as they appear in the frame
  std::vector<std::string> notes_before;
  std::vector<std::string> notes_after;
  std::optional<SettingsSubPage> sub_page;
};

void PrintTo(const PressRow& row, std::ostream* os) { *os << row.label; }

class SwitcherBusRules : public ::testing::TestWithParam<PressRow> {};

TEST_P(SwitcherBusRules, PressChangesTheRecordAndNamesItsCommand) {
  const PressRow& row = GetParam();
  SwitcherState state = opened();
  row.start(state);
  SwitcherState expected = state;
  row.expected(expected);

  const Outcome outcome = press(state, row.press, row.source);

  EXPECT_EQ(state, expected) << "the record after the press";
  EXPECT_EQ(outcome.refused, row.refused);
  if (!row.refused) {
    EXPECT_EQ(outcome.command, row.command);
  }
  EXPECT_EQ(outcome.notes_before, row.notes_before);
  EXPECT_EQ(outcome.notes_after, row.notes_after);
  EXPECT_EQ(outcome.sub_page, row.sub_page);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, SwitcherBusRules,
    ::testing::Values(
        PressRow{"program_source_already_on_the_bus_is_sent_again",
                 [](SwitcherState& s) { s.program_source = 3; },
                 Press::Program,
                 3,
                 unchanged,
                 false,
                 {0x80, {0x03}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"program_mp1_is_bus_source_twelve",
                 unchanged,
                 Press::Program,
                 12,
                 [](SwitcherState& s) { s.program_source = 12; },
                 false,
                 {0x80, {0x0C}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"preview_while_a_transition_runs",
                 [](SwitcherState& s) { s.transition_running = 1; },
                 Press::Preview,
                 6,
                 [](SwitcherState& s) { s.preview_source = 6; },
                 false,
                 {0x81, {0x06}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"cut_swaps_program_and_preview",
                 [](SwitcherState& s) {
                   s.program_source = 2;
                   s.preview_source = 5;
                   s.transition_position = 40;
                   s.transition_running = 1;
                 },
                 Press::Cut,
                 0,
                 [](SwitcherState& s) {
                   s.program_source = 5;
                   s.preview_source = 2;
                 },
                 false,
                 {0x83, {}},
                 {},
                 {"send cut\n", "SwitchPvmPgm  \n"},
                 std::nullopt},
        PressRow{"cut_with_one_source_on_both_buses_keeps_it",
                 [](SwitcherState& s) { s.program_source = s.preview_source = 4; },
                 Press::Cut,
                 0,
                 unchanged,
                 false,
                 {0x83, {}},
                 {},
                 {"send cut\n", "SwitchPvmPgm  \n"},
                 std::nullopt},
        PressRow{"pip_on_from_no_layer",
                 unchanged,
                 Press::Pip,
                 0,
                 layer_on(SwitcherLayer::Pip),
                 false,
                 {0x86, {}},
                 {"ch = 1 \n"},
                 {},
                 SettingsSubPage::Pip},
        PressRow{"key1_while_pip_is_on_clears_pip_without_a_pip_command",
                 layer_on(SwitcherLayer::Pip),
                 Press::Key1,
                 0,
                 layer_on(SwitcherLayer::Key1),
                 false,
                 {0x8B, {0x00}},
                 {"ch = 2 \n"},
                 {},
                 SettingsSubPage::LumaKey},
        PressRow{"key2_on_sends_the_flag_before_the_press",
                 unchanged,
                 Press::Key2,
                 0,
                 layer_on(SwitcherLayer::Key2),
                 false,
                 {0x8C, {0x00}},
                 {"ch = 3 \n"},
                 {},
                 SettingsSubPage::ChromaKey},
        PressRow{"key2_off_with_bkgd_on",
                 layer_on(SwitcherLayer::Key2),
                 Press::Key2,
                 0,
                 layer_on(SwitcherLayer::None),
                 false,
                 {0x8C, {0x01}},
                 {"ch = 0 \n"},
                 {},
                 SettingsSubPage::ChromaKey},
        PressRow{"pip_off_with_bkgd_on",
                 layer_on(SwitcherLayer::Pip),
                 Press::Pip,
                 0,
                 layer_on(SwitcherLayer::None),
                 false,
                 {0x86, {}},
                 {"ch = 0 \n"},
                 {},
                 SettingsSubPage::Pip},
        PressRow{"key1_off_is_refused_while_bkgd_is_off",
                 both(layer_on(SwitcherLayer::Key1), [](SwitcherState& s) { s.background_flag = 0; }),
                 Press::Key1,
                 0,
                 unchanged,
                 true,
                 {},
                 {},
                 {},
                 std::nullopt},
        PressRow{"pip_off_is_refused_while_bkgd_is_off",
                 both(layer_on(SwitcherLayer::Pip), [](SwitcherState& s) { s.background_flag = 0; }),
                 Press::Pip,
                 0,
                 unchanged,
                 true,
                 {},
                 {},
                 {},
                 std::nullopt},
        PressRow{"bkgd_off_while_a_layer_is_lit",
                 layer_on(SwitcherLayer::Key1),
                 Press::Background,
                 0,
                 [](SwitcherState& s) { s.background_flag = 0; },
                 false,
                 {0x8A, {0x01}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"bkgd_on_again_while_a_layer_is_lit",
                 both(layer_on(SwitcherLayer::Key1), [](SwitcherState& s) { s.background_flag = 0; }),
                 Press::Background,
                 0,
                 [](SwitcherState& s) { s.background_flag = 1; },
                 false,
                 {0x8A, {0x00}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"bkgd_with_no_layer_lit_sends_and_stays_on",
                 unchanged,
                 Press::Background,
                 0,
                 unchanged,
                 false,
                 {0x8A, {0x01}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"on_air_on",
                 unchanged,
                 Press::OnAir,
                 0,
                 [](SwitcherState& s) { s.on_air_flag = 1; },
                 false,
                 {0x88, {0x00}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"on_air_off",
                 [](SwitcherState& s) { s.on_air_flag = 1; },
                 Press::OnAir,
                 0,
                 [](SwitcherState& s) { s.on_air_flag = 0; },
                 false,
                 {0x88, {0x01}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"ftb_on",
                 unchanged,
                 Press::FadeToBlack,
                 0,
                 [](SwitcherState& s) { s.fade_to_black_flag = 1; },
                 false,
                 {0x85, {}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"ftb_off",
                 [](SwitcherState& s) { s.fade_to_black_flag = 1; },
                 Press::FadeToBlack,
                 0,
                 [](SwitcherState& s) { s.fade_to_black_flag = 0; },
                 false,
                 {0x85, {}},
                 {},
                 {},
                 std::nullopt},
        PressRow{
            "mix_again_sends_mix_select", unchanged, Press::Mix, 0, unchanged, false, {0x8D, {}}, {}, {}, std::nullopt},
        PressRow{"dip_moves_the_transition_type",
                 unchanged,
                 Press::Dip,
                 0,
                 [](SwitcherState& s) { s.transition_type = TransitionType::Dip; },
                 false,
                 {0x8E, {}},
                 {},
                 {},
                 std::nullopt},
        PressRow{"wipe_asks_for_the_transition_sub_page",
                 layer_on(SwitcherLayer::Pip),
                 Press::Wipe,
                 0,
                 [](SwitcherState& s) { s.transition_type = TransitionType::Wipe; },
                 false,
                 {0x8F, {}},
                 {},
                 {},
                 SettingsSubPage::Transition}),
    [](const ::testing::TestParamInfo<PressRow>& info) { return std::string(info.param.label); });

// BKGD goes off only while a layer is lit and a lit layer only while BKGD is
// on: from every state an opened page can reach, no press leaves both off.
TEST(SwitcherBusRules, NoPressLeavesBothBackgroundAndEveryLayerOff) {
  const Press presses[] = {Press::Pip, Press::Key1, Press::Key2, Press::Background};
  for (const SwitcherLayer layer :
       {SwitcherLayer::None, SwitcherLayer::Pip, SwitcherLayer::Key1, SwitcherLayer::Key2}) {
    for (const std::uint8_t background : {0, 1}) {
      if (layer == SwitcherLayer::None && background == 0) continue;
      for (const Press first : presses) {
        for (const Press second : presses) {
          SwitcherState state = opened();
          layer_on(layer)(state);
          state.background_flag = background;
          press(state, first);
          press(state, second);
          EXPECT_TRUE(state.background_flag == 1 || state.lit_layer != SwitcherLayer::None)
              << "layer " << int(layer) << " bkgd " << int(background) << " presses " << int(first) << ", "
              << int(second);
          EXPECT_LE(state.pip_flag + state.key1_flag + state.key2_flag, 1);
        }
      }
    }
  }
}

TEST(SwitcherBusRules, KeyTwoPressedTwiceSendsItsFlagBeforeEachPress) {
  SwitcherState state = opened();
  EXPECT_EQ(press(state, Press::Key2).command, (Command{0x8C, {0x00}}));
  EXPECT_EQ(press(state, Press::Key2).command, (Command{0x8C, {0x01}}));
  EXPECT_EQ(state.lit_layer, SwitcherLayer::None);
  EXPECT_EQ(state.key2_flag, 0);
}

TEST(SwitcherBusRules, OpeningThePageLightsBackgroundAndMixAndKeepsTheRest) {
  SwitcherState state;
  state.program_source = 2;
  state.preview_source = 7;
  state.on_air_flag = 1;
  state.transition_type = TransitionType::Wipe;
  SwitcherState expected = state;
  expected.background_flag = 1;
  expected.transition_type = TransitionType::Mix;
  open_page(state);
  EXPECT_EQ(state, expected);
}

}  // namespace
}  // namespace vela::switcher_bus
