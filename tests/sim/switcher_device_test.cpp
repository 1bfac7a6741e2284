// The simulated production switcher as a model: the record each command
// leaves, and how it answers camera names.
#include "switcher_device.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "switcher_protocol.h"

namespace vela::sim {
namespace {

namespace sw = switcher;
using State = SwitcherDeviceState;

SwitcherDevice make_switcher(const std::string& extra = "") {
  return SwitcherDevice(parse_device_config("type=0xA5,id=1,name=Sw" + extra, Carrier::Serial));
}

Answer send(SwitcherDevice& device, std::uint8_t code, ByteView payload = {}) {
  const std::optional<Frame> frame = Frame::from_bytes(build_frame(frame::kLinkUdp, 0xA5, 1, code, payload));
  return device.handle(*frame);
}

struct Command {
  std::uint8_t code;
  Bytes payload;
};

enum class Last { Taken, Noted };

struct ModelCase {
  const char* label;
  std::vector<Command> commands;
  std::function<void(State&)> expected_change;  // on a fresh record
  Last last;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.label; }

class SwitcherModel : public ::testing::TestWithParam<ModelCase> {};

TEST_P(SwitcherModel, CommandsChangeTheRecord) {
  const ModelCase& c = GetParam();
  SwitcherDevice device = make_switcher();
  State expected = device.state();
  c.expected_change(expected);
  std::string last_note;
  for (const Command& command : c.commands) {
    const Answer answer = send(device, command.code, command.payload);
    EXPECT_FALSE(answer.reply.has_value()) << "only camera names are answered";
    last_note = answer.note;
  }
  EXPECT_EQ(last_note.empty() ? Last::Taken : Last::Noted, c.last) << last_note;
  EXPECT_TRUE(device.state() == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SwitcherModel,
    ::testing::Values(
        ModelCase{"buses_then_cut_swaps",
                  {{sw::code::kProgramSelect, {2}}, {sw::code::kPreviewSelect, {12}}, {sw::code::kCut, {}}},
                  [](State& s) {
                    s.program = 12;
                    s.preview = 2;
                    s.transitions_completed = 1;
                  },
                  Last::Taken},
        ModelCase{"bus_source_13_ignored", {{sw::code::kProgramSelect, {13}}}, [](State&) {}, Last::Noted},
        ModelCase{
            "program_select_without_payload_ignored", {{sw::code::kProgramSelect, {}}}, [](State&) {}, Last::Noted},
        ModelCase{"lever_end_completes_the_transition",
                  {{sw::code::kProgramSelect, {1}},
                   {sw::code::kPreviewSelect, {3}},
                   {sw::code::kTransitionPosition, {1, 64}},
                   {sw::code::kTransitionPosition, {1, 128}}},
                  [](State& s) {
                    s.program = 3;
                    s.preview = 1;
                    s.transition_direction = 1;
                    s.transition_value = 128;
                    s.transitions_completed = 1;
                  },
                  Last::Taken},
        ModelCase{"transition_value_0_ignored", {{sw::code::kTransitionPosition, {0, 0}}}, [](State&) {}, Last::Noted},
        ModelCase{"toggles_take_the_other_value_than_the_panel_had",
                  {{sw::code::kOnAirToggle, {0}},
                   {sw::code::kBackgroundToggle, {1}},
                   {sw::code::kKey1Toggle, {0}},
                   {sw::code::kKey2Toggle, {1}},
                   {sw::code::kPipToggle, {}},
                   {sw::code::kPipToggle, {}},
                   {sw::code::kFadeToBlack, {}}},
                  [](State& s) {
                    s.on_air = 1;
                    s.key1 = 1;
                    s.fade_to_black = 1;
                  },
                  Last::Taken},
        ModelCase{"transition_type_and_wipe_pattern",
                  {{sw::code::kDipSelect, {}}, {sw::code::kWipeSelect, {}}, {sw::code::kWipePattern, {8}}},
                  [](State& s) {
                    s.transition_type = 3;
                    s.wipe_pattern = 8;
                  },
                  Last::Taken},
        ModelCase{"wipe_pattern_9_ignored", {{sw::code::kWipePattern, {9}}}, [](State&) {}, Last::Noted},
        ModelCase{"keyers",
                  {{sw::code::kLumaKeySource, {10}},
                   {sw::code::kChromaKeySource, {4}},
                   {sw::code::kChromaKeyType, {1}},
                   {sw::code::kKeyRed, {32}},
                   {sw::code::kKeyGreen, {220}},
                   {sw::code::kKeyBlue, {255}}},
                  [](State& s) {
                    s.luma_key_source = 10;
                    s.chroma_key_source = 4;
                    s.chroma_key_type = 1;
                    s.key_colour = {32, 220, 255};
                  },
                  Last::Taken},
        ModelCase{"pip",
                  {{sw::code::kPipSource, {3}},
                   {sw::code::kPipBorderEnable, {1}},
                   {sw::code::kPipBorderColour, {3}},
                   {sw::code::kPipBorderWidth, {15}},
                   {sw::code::kPipX, {0x80, 0x07}},
                   {sw::code::kPipY, {0x38, 0x04}},
                   {sw::code::kPipWidth, {0x40, 0x01}}},
                  [](State& s) {
                    s.pip_source = 3;
                    s.pip_border_enable = 1;
                    s.pip_border_colour = 3;
                    s.pip_border_width = 15;
                    s.pip_x = 1920;
                    s.pip_y = 1080;
                    s.pip_width = 320;
                  },
                  Last::Taken},
        ModelCase{"pip_y_below_the_picture_ignored", {{sw::code::kPipY, {0x39, 0x04}}}, [](State&) {}, Last::Noted},
        ModelCase{"configuration",
                  {{sw::code::kOutputResolution, {0x0E}},
                   {sw::code::kWindowInput, {8, 10}},
                   {sw::code::kSliderRate, {2, 0xC8, 0x00}},
                   {sw::code::kSliderRate, {3, 0xAC, 0x26}}},
                  [](State& s) {
                    s.output_resolution = 0x0E;
                    s.window_inputs[7] = 10;
                    s.slider_rates_ms = {0, 200, 9900};
                  },
                  Last::Taken},
        ModelCase{"window_9_ignored", {{sw::code::kWindowInput, {9, 0}}}, [](State&) {}, Last::Noted},
        ModelCase{"rate_4_ignored", {{sw::code::kSliderRate, {4, 0xC8, 0x00}}}, [](State&) {}, Last::Noted},
        ModelCase{"rate_of_10_seconds_ignored", {{sw::code::kSliderRate, {1, 0x10, 0x27}}}, [](State&) {}, Last::Noted},
        ModelCase{"unused_code_ignored", {{0x87, {}}}, [](State&) {}, Last::Noted}));

TEST(SwitcherDevice, CameraNamesAreAnsweredAsTheSwitchSays) {
  struct Case {
    const char* names;
    std::optional<std::uint8_t> status;  // nothing: no answer
    bool stored;
  };
  const Case cases[] = {
      {"", sw::camera_name::kAccepted, true},
      {",names=accept", sw::camera_name::kAccepted, true},
      {",names=refuse", sw::camera_name::kRefused, false},
      {",names=silent", std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.names);
    SwitcherDevice device = make_switcher(c.names);
    const Answer answer = send(device, sw::code::kCameraName, sw::camera_name_payload(10, u"MP"));
    ASSERT_EQ(answer.reply.has_value(), c.status.has_value());
    if (answer.reply) {
      const Bytes& reply = *answer.reply;
      EXPECT_TRUE(passes_code_rule(reply, sw::code::kCameraName));
      EXPECT_EQ(sw::read_camera_name_ack(reply), *c.status == sw::camera_name::kAccepted
                                                     ? sw::CameraNameAnswer::Accepted
                                                     : sw::CameraNameAnswer::Refused);
      EXPECT_EQ(reply[frame::kTypeOffset], 0xA5);
    }
    EXPECT_EQ(device.state().camera_names[10], c.stored ? u"MP" : u"");
  }
}

TEST(SwitcherDevice, MalformedCameraNamesAreNotedAndNotAnswered) {
  SwitcherDevice device = make_switcher();
  const Bytes twelfth_camera = sw::camera_name_payload(11, u"X");
  Bytes half_unit = sw::camera_name_payload(0, u"A");
  half_unit.pop_back();
  for (const Bytes& payload : {twelfth_camera, half_unit}) {
    const Answer answer = send(device, sw::code::kCameraName, payload);
    EXPECT_FALSE(answer.reply.has_value());
    EXPECT_FALSE(answer.note.empty());
  }
  EXPECT_EQ(device.state(), SwitcherDeviceState{});
}

TEST(SwitcherDevice, NamesSwitchIsForSwitchersOnly) {
  EXPECT_THROW(parse_device_config("type=0xA1,id=1,name=Mv,names=refuse", Carrier::Serial), std::exception);
  EXPECT_THROW(parse_device_config("type=0xA5,id=1,name=Sw,names=maybe", Carrier::Serial), std::exception);
}

}  // namespace
}  // namespace vela::sim
