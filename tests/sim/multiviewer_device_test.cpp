// The simulated multiviewer as a model: commands applied to a device and what
// its next state reply carries, byte for byte.
#include "multiviewer_device.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "multiviewer_protocol.h"

namespace vela::sim {
namespace {

namespace mv = multiviewer;
using Fields = mv::StateReplyFields;

struct Command {
  std::uint8_t code;
  Bytes payload;
};

MultiviewerDevice make_multiviewer(std::uint8_t type, const std::string& extra = "") {
  return MultiviewerDevice(
      parse_device_config("type=" + std::to_string(type) + ",id=7,name=Mv" + extra, Carrier::Serial));
}

Answer send(MultiviewerDevice& device, std::uint8_t code, ByteView payload = {}) {
  const std::optional<Frame> frame =
      Frame::from_bytes(build_frame(frame::kLinkUdp, device.config().type, 7, code, payload));
  return device.handle(*frame);
}

// The state reply the device sends now, checked as a frame and read back.
Fields state_reply(MultiviewerDevice& device) {
  const Answer answer = send(device, mv::code::kState);
  EXPECT_TRUE(answer.reply.has_value());
  if (!answer.reply) return {};
  const Bytes& r = *answer.reply;
  EXPECT_EQ(r.size(), mv::state_reply::kFrameLength);
  EXPECT_EQ(frame_length_field(r), r.size());
  EXPECT_EQ(r[frame::kTypeOffset], device.config().type);
  EXPECT_EQ(r[frame::kIdOffset], 7);
  EXPECT_EQ(r[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(r[frame::kCodeOffset], mv::code::kState);
  const std::uint16_t sum = checksum16(ByteView(r).first(r.size() - 3));
  EXPECT_EQ(r[r.size() - 3] | (r[r.size() - 2] << 8), sum);
  EXPECT_EQ(r.back(), frame::kEnd);
  return mv::read_state_reply(r).value_or(Fields{});
}

std::u16string label_of(const Fields& fields, int window) { return mv::slot_label(fields.labels[window - 1]).value(); }

TEST(MultiviewerDevice, StartsWithAShowState) {
  for (const auto& [type, layout] : {std::pair{0xA1, 16}, std::pair{0xA4, 10}}) {
    SCOPED_TRACE(type);
    MultiviewerDevice device = make_multiviewer(static_cast<std::uint8_t>(type));
    const Fields state = state_reply(device);
    EXPECT_EQ(state.layout_code, layout);
    EXPECT_EQ(state.label_display, 1);
    EXPECT_EQ(state.meter_display, 1);
    EXPECT_TRUE(mv::resolution_of_code(state.resolution_code).has_value());
    for (int w = 1; w <= mv::kWindowCount; ++w) {
      EXPECT_EQ(state.sources[w - 1], w);
      const std::string label = "CAM " + std::to_string(w);
      EXPECT_EQ(label_of(state, w), std::u16string(label.begin(), label.end()));
      EXPECT_EQ(state.status[w - 1][0], 1) << "window " << w << " has a source, so it has a signal";
    }
  }
}

// Whether the last command of a case was taken or noted in the log as not.
enum class Last { Taken, Noted };

struct ModelCase {
  const char* label;
  std::uint8_t type;
  std::vector<Command> commands;
  std::function<void(Fields&)> expected_change;  // on the state before the commands
  Last last;
};

void PrintTo(const ModelCase& c, std::ostream* os) { *os << c.label; }

// A label text payload whose text bytes are given as they are (odd counts too).
Bytes label_payload_with_text(std::uint8_t window, const Bytes& text) {
  Bytes payload = mv::label_text_payload(window, u"");
  payload.insert(payload.end(), text.begin(), text.end());
  return payload;
}

class MultiviewerModel : public ::testing::TestWithParam<ModelCase> {};

TEST_P(MultiviewerModel, NextStateReplyCarriesTheChange) {
  const ModelCase& c = GetParam();
  MultiviewerDevice device = make_multiviewer(c.type);
  Fields expected = state_reply(device);
  c.expected_change(expected);

  std::string last_note;
  for (const Command& command : c.commands) last_note = send(device, command.code, command.payload).note;
  EXPECT_EQ(last_note.empty() ? Last::Taken : Last::Noted, c.last) << last_note;

  const Answer reply = send(device, mv::code::kState);
  ASSERT_TRUE(reply.reply.has_value());
  const Bytes payload(reply.reply->begin() + frame::kPayloadOffset, reply.reply->end() - 3);
  EXPECT_EQ(payload, mv::state_reply_payload(expected));
}

const std::u16string kSeventeen = u"ABCDEFGHIJKLMNOPQ";

INSTANTIATE_TEST_SUITE_P(
    Commands, MultiviewerModel,
    ::testing::Values(
        ModelCase{"layout",
                  0xA1,
                  {{mv::code::kLayout, mv::layout_payload(4)}},
                  [](Fields& f) { f.layout_code = 4; },
                  Last::Taken},
        ModelCase{"layout_outside_the_table_ignored",
                  0xA1,
                  {{mv::code::kLayout, mv::layout_payload(4)}, {mv::code::kLayout, mv::layout_payload(7)}},
                  [](Fields& f) { f.layout_code = 4; },
                  Last::Noted},
        ModelCase{"window_sources",
                  0xA4,
                  {{mv::code::kWindowSource, mv::window_source_payload(3, 5)},
                   {mv::code::kWindowSource, mv::window_source_payload(16, 16)}},
                  [](Fields& f) {
                    f.sources[4] = 3;
                    f.sources[15] = 16;
                  },
                  Last::Taken},
        ModelCase{"window_source_outside_1_to_16_ignored",
                  0xA1,
                  {{mv::code::kWindowSource, mv::window_source_payload(3, 17)}},
                  [](Fields&) {},
                  Last::Noted},
        ModelCase{"output_resolution",
                  0xA1,
                  {{mv::code::kOutputResolution, mv::output_resolution_payload(11)}},
                  [](Fields& f) { f.resolution_code = 11; },
                  Last::Taken},
        ModelCase{"output_resolution_outside_the_table_ignored",
                  0xA1,
                  {{mv::code::kOutputResolution, mv::output_resolution_payload(11)},
                   {mv::code::kOutputResolution, mv::output_resolution_payload(2)}},
                  [](Fields& f) { f.resolution_code = 11; },
                  Last::Noted},
        ModelCase{"switches",
                  0xA1,
                  {{mv::code::kLabelSwitch, mv::switch_payload(0)},
                   {mv::code::kMeterSwitch, mv::switch_payload(0)},
                   {mv::code::kAudioSource, mv::switch_payload(9)},
                   {mv::code::kResolutionLabelSwitch, mv::switch_payload(1)},
                   {mv::code::kBorderSwitch, mv::switch_payload(0)},
                   {mv::code::kLock, mv::switch_payload(1)}},
                  [](Fields& f) {
                    f.label_display = 0;
                    f.meter_display = 0;
                    f.audio_source = 9;
                    f.resolution_display = 1;
                    f.border = 0;
                    f.lock = 1;
                  },
                  Last::Taken},
        ModelCase{"label_text",
                  0xA1,
                  {{mv::code::kLabelText, mv::label_text_payload(3, u"演播室 A")}},
                  [](Fields& f) { f.labels[2] = mv::label_slot(u"演播室 A"); },
                  Last::Taken},
        ModelCase{"empty_label_text",
                  0xA4,
                  {{mv::code::kLabelText, mv::label_text_payload(16, u"")}},
                  [](Fields& f) { f.labels[15] = mv::LabelSlot{}; },
                  Last::Taken},
        ModelCase{"label_text_kept_to_16_units",
                  0xA1,
                  {{mv::code::kLabelText, mv::label_text_payload(1, kSeventeen)}},
                  [](Fields& f) { f.labels[0] = mv::label_slot(kSeventeen.substr(0, 16)); },
                  Last::Taken},
        ModelCase{"label_text_with_an_odd_byte_ignored",
                  0xA1,
                  {{mv::code::kLabelText, label_payload_with_text(2, {0x41, 0x00, 0x42})}},
                  [](Fields&) {},
                  Last::Noted},
        ModelCase{"label_text_window_17_ignored",
                  0xA1,
                  {{mv::code::kLabelText, mv::label_text_payload(17, u"X")}},
                  [](Fields&) {},
                  Last::Noted},
        ModelCase{"colours_channel_0_is_every_window_channel_3_one",
                  0xA1,
                  {{mv::code::kLabelTextColour, mv::colour_payload(0, 2)},
                   {mv::code::kLabelBackColour, mv::colour_payload(3, 6)},
                   {mv::code::kResolutionTextColour, mv::colour_payload(16, 9)},
                   {mv::code::kResolutionBackColour, mv::colour_payload(0, 14)},
                   {mv::code::kResolutionBackColour, mv::colour_payload(1, 4)}},
                  [](Fields& f) {
                    f.label_text_colours.fill(2);
                    f.label_back_colours[2] = 6;
                    f.resolution_text_colours[15] = 9;
                    f.resolution_back_colours.fill(14);
                    f.resolution_back_colours[0] = 4;
                  },
                  Last::Taken},
        ModelCase{"colour_channel_17_ignored",
                  0xA1,
                  {{mv::code::kLabelTextColour, mv::colour_payload(17, 2)}},
                  [](Fields&) {},
                  Last::Noted},
        ModelCase{"defaults_on_the_16_window_model",
                  0xA1,
                  {{mv::code::kLayout, mv::layout_payload(4)},
                   {mv::code::kMeterSwitch, mv::switch_payload(0)},
                   {mv::code::kAudioSource, mv::switch_payload(5)},
                   {mv::code::kOutputResolution, mv::output_resolution_payload(11)},
                   {mv::code::kResolutionLabelSwitch, mv::switch_payload(1)},
                   {mv::code::kLabelSwitch, mv::switch_payload(0)},
                   {mv::code::kBorderSwitch, mv::switch_payload(0)},
                   {mv::code::kLock, mv::switch_payload(1)},
                   {mv::code::kDefaults, mv::defaults_payload()}},
                  [](Fields& f) {
                    f.layout_code = 16;
                    f.meter_display = 1;
                    f.audio_source = 0;
                    f.resolution_code = 7;
                    f.resolution_display = 0;
                    f.label_display = 1;
                    f.border = 0;  // border and lock are not defaults
                    f.lock = 1;
                  },
                  Last::Taken},
        ModelCase{"defaults_on_the_10_window_model",
                  0xA4,
                  {{mv::code::kLayout, mv::layout_payload(1)},
                   {mv::code::kResolutionLabelSwitch, mv::switch_payload(1)},
                   {mv::code::kDefaults, mv::defaults_payload()}},
                  [](Fields& f) {
                    f.layout_code = 10;
                    f.audio_source = 0;
                    f.resolution_code = 7;
                  },
                  Last::Taken},
        ModelCase{"set_address_changes_nothing",
                  0xA1,
                  {{code::kSetAddress, mv::set_address_payload({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1})}},
                  [](Fields&) {},
                  Last::Noted}),
    [](const auto& info) { return std::string(info.param.label); });

class MultiviewerShortPayload : public ::testing::TestWithParam<Command> {};

// A payload shorter than its command needs is noted and changes nothing.
TEST_P(MultiviewerShortPayload, IsIgnored) {
  MultiviewerDevice device = make_multiviewer(0xA1);
  const Fields before = state_reply(device);
  const Answer answer = send(device, GetParam().code, GetParam().payload);
  EXPECT_FALSE(answer.reply.has_value());
  EXPECT_NE(answer.note.find("ignored"), std::string::npos) << answer.note;
  const Bytes now = send(device, mv::code::kState).reply.value();
  EXPECT_EQ(Bytes(now.begin() + frame::kPayloadOffset, now.end() - 3), mv::state_reply_payload(before));
}

INSTANTIATE_TEST_SUITE_P(Commands, MultiviewerShortPayload,
                         ::testing::Values(Command{mv::code::kLayout, {}}, Command{mv::code::kWindowSource, {3}},
                                           Command{mv::code::kOutputResolution, {0}},
                                           Command{mv::code::kLabelSwitch, {}}, Command{mv::code::kLock, {}},
                                           Command{mv::code::kLabelBackColour, {0}},
                                           Command{mv::code::kLabelText, {1, 1, 0, 1, 0}},
                                           Command{mv::code::kDefaults, {}},
                                           Command{code::kSetAddress, {127, 0, 0, 9}}),
                         [](const auto& info) {
                           char name[8];
                           std::snprintf(name, sizeof name, "0x%02X", info.param.code);
                           return std::string(name);
                         });

TEST(MultiviewerDevice, StatusFollowsTheSignalSwitches) {
  MultiviewerDevice device = make_multiviewer(0xA4, ",signal=1-4,9");
  const auto status_reply = [&device] {
    const Answer answer = send(device, mv::code::kStatus);
    EXPECT_TRUE(answer.reply.has_value());
    EXPECT_EQ(answer.reply->size(), mv::status_reply::kFrameLength);
    return mv::read_status_reply(*answer.reply).value_or(WindowStatus{});
  };
  const auto status_with_signal = [](std::initializer_list<int> windows) {
    WindowStatus status{};
    for (const int w : windows) status[w - 1] = {1, 0};
    return status;
  };

  EXPECT_EQ(status_reply(), status_with_signal({1, 2, 3, 4, 9}));
  EXPECT_EQ(state_reply(device).status, status_with_signal({1, 2, 3, 4, 9}));

  ASSERT_TRUE(device.set_signal(parse_window_set("2,16")));
  EXPECT_EQ(status_reply(), status_with_signal({2, 16}));
  EXPECT_EQ(state_reply(device).status, status_with_signal({2, 16}));
}

TEST(MultiviewerDevice, NamesItsCommandsForTheLog) {
  const MultiviewerDevice device = make_multiviewer(0xA1);
  EXPECT_EQ(device.command_name(mv::code::kLayout), mv::command_name(mv::code::kLayout));
  EXPECT_EQ(device.command_name(mv::code::kStatus), mv::command_name(mv::code::kStatus));
  EXPECT_EQ(device.command_name(code::kSearch), "search");
  EXPECT_EQ(device.command_name(code::kSetAddress), "set-address");
}

}  // namespace
}  // namespace vela::sim
