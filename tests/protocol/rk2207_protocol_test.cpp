// The RK2207's state reply as the simulator builds it and the page reads it,
// the show-mode table both pages draw from, and the picture-in-picture rule.
#include <gtest/gtest.h>

#include "lm5530_protocol.h"
#include "rk2207_protocol.h"
#include "rk2207_show_modes.h"
#include "text_recorders.h"

namespace vela::rk2207 {
namespace {

using test::DiagnosticRecorder;

Bytes reply_frame(const StateReply& reply) {
  return build_frame(frame::kLinkUdp, 0x60, 1, code::kState, state_reply_payload(reply));
}

// A reply's payload with some bytes overwritten, at frame offsets.
Bytes patched_reply(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
  Bytes payload = state_reply_payload(StateReply{});
  for (const auto& [at, value] : bytes) payload[at - frame::kPayloadOffset] = value;
  return build_frame(frame::kLinkUdp, 0x60, 1, code::kState, payload);
}

TEST(Rk2207StateReply, AWholeReplyIs261BytesAndEveryFieldComesBack) {
  StateReply sent;
  sent.reply_byte = 5;
  sent.output_format = 8;
  sent.show_mode = 16;
  sent.text = "Gallery";
  sent.labels = {"CAM A", "", std::string(32, 'x'), "PGM"};
  sent.pip_child_ch = {4, 2};
  sent.loop_state = 1;
  const Bytes frame = reply_frame(sent);
  ASSERT_EQ(frame.size(), state_reply::kFrameLength);
  EXPECT_EQ(frame[state_reply::kShowMode], 16);
  EXPECT_EQ(frame[state_reply::kPipChannels + 1], 2);
  const std::optional<StateReply> read = read_state_reply(frame);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->reply_byte, 5);
  EXPECT_EQ(read->output_format, 8);
  EXPECT_EQ(read->show_mode, 16);
  EXPECT_EQ(read->text, "Gallery");
  EXPECT_EQ(read->labels, sent.labels);
  EXPECT_EQ(read->label_lengths, (std::array<std::uint8_t, 4>{5, 0, 32, 3}));
  EXPECT_EQ(read->pip_child_ch, sent.pip_child_ch);
  EXPECT_EQ(read->loop_state, 1);
}

TEST(Rk2207StateReply, ADatagramEndingBeforeTheLastReadByteIsNotDecoded) {
  const Bytes whole = patched_reply({{state_reply::kShowMode, 3}, {state_reply::kLoop, 1}});
  Rk2207State record;
  record.loop_state = 9;
  DiagnosticRecorder diagnostics;
  EXPECT_FALSE(decode_state_reply(ByteView(whole).first(whole.size() - 1), record).has_value());
  EXPECT_EQ(record.loop_state, 9);
  EXPECT_TRUE(diagnostics.lines().empty());
  EXPECT_EQ(decode_state_reply(whole, record), 3);
  EXPECT_EQ(record.loop_state, 1);
}

TEST(Rk2207StateReply, DecodingStoresTheReportedFieldsAndWritesTheConsoleLines) {
  // Label lengths 33, 0, 32, 255; a text that fills its whole area.
  Bytes payload = state_reply_payload(StateReply{});
  const auto at = [&payload](std::size_t frame_offset) -> std::uint8_t& {
    return payload[frame_offset - frame::kPayloadOffset];
  };
  const std::uint8_t lengths[] = {33, 0, 32, 255};
  for (std::size_t line = 0; line < 4; ++line) {
    at(state_reply::kLabels + line * state_reply::kLabelStride + state_reply::kLabelLength) = lengths[line];
  }
  for (std::size_t i = 0; i < state_reply::kTextBytes; ++i) at(state_reply::kText + i) = 'T';
  // The first label byte after the area: a reader that ran on would count it.
  at(state_reply::kLabels) = 'L';
  at(state_reply::kReplyByte) = 1;
  at(state_reply::kOutputFormat) = 7;
  at(state_reply::kShowMode) = 9;
  at(state_reply::kPipChannels) = 3;
  at(state_reply::kPipChannels + 1) = 1;
  at(state_reply::kLoop) = 1;

  Rk2207State record;
  DiagnosticRecorder diagnostics;
  EXPECT_EQ(decode_state_reply(build_frame(frame::kLinkUdp, 0x60, 1, code::kState, payload), record), 9);
  EXPECT_EQ(record.output_format, 7);
  EXPECT_EQ(record.pip_child_ch, (std::array<std::uint8_t, 2>{3, 1})) << "the pip rule is the page's, on applying";
  EXPECT_EQ(record.loop_state, 1);
  EXPECT_EQ(record.show_mode, 0) << "the show mode is applied by the page";
  const std::vector<std::string> expected = {
      "recvBuf[recvBufIndex] = 1 \n",
      "output format = 7 \n",
      "show mode = 9 \n",
      "len = 17 \n",
      "line 0 umdNameLen = 33 \n",
      "line 0 umdNameLen is wrong,please check the recv data. \n",
      "line 1 umdNameLen = 0 \n",
      "line 2 umdNameLen = 32 \n",
      "line 3 umdNameLen = 255 \n",
      "line 3 umdNameLen is wrong,please check the recv data. \n",
      "ch = 3 \n",
      "ch = 1 \n",
      "ch = 1 \n",
  };
  EXPECT_EQ(diagnostics.lines(), expected);
  const std::optional<StateReply> read = read_state_reply(build_frame(frame::kLinkUdp, 0x60, 1, code::kState, payload));
  EXPECT_EQ(read->labels[3].size(), 32u) << "a label is cut at its area";
}

TEST(Rk2207ShowModes, EveryWindowLiesOnTheCanvasInTheSlotOfItsNumber) {
  for (int mode = 0; mode <= kStackedMode; ++mode) {
    SCOPED_TRACE(mode);
    int drawn = 0;
    const WindowSlots slots = show_mode_slots(static_cast<std::uint8_t>(mode));
    for (std::size_t i = 0; i < slots.size(); ++i) {
      const WindowSlot& s = slots[i];
      if (!s.drawn()) {
        EXPECT_EQ(s, WindowSlot{});
        continue;
      }
      ++drawn;
      EXPECT_EQ(s.label, static_cast<int>(i + 1));
      EXPECT_GE(s.x, 0);
      EXPECT_GE(s.y, 0);
      EXPECT_LE(s.x + s.width, kCanvasWidth);
      EXPECT_LE(s.y + s.height, kCanvasHeight);
    }
    EXPECT_GE(drawn, 1);
    EXPECT_FALSE(show_mode_name(static_cast<std::uint8_t>(mode)).empty());
  }
  for (const int outside : {17, 100, 255}) {
    EXPECT_EQ(show_mode_slots(static_cast<std::uint8_t>(outside)), WindowSlots{}) << outside;
  }
}

TEST(Rk2207ShowModes, TheLm5530DiffersOnlyInModeElevenAndHasNoModeSixteen) {
  for (int mode = 0; mode < lm5530::kModeCount; ++mode) {
    if (mode == 11) continue;
    EXPECT_EQ(lm5530::show_mode_slots(static_cast<std::uint8_t>(mode)),
              show_mode_slots(static_cast<std::uint8_t>(mode)))
        << mode;
  }
  const WindowSlots eleven{{{0, 120, 360, 240, 1}, {360, 120, 360, 240, 2}, {}, {}}};
  EXPECT_EQ(lm5530::show_mode_slots(11), eleven);
  EXPECT_EQ(show_mode_slots(11)[0].height, 480);
  EXPECT_EQ(lm5530::show_mode_slots(kStackedMode), WindowSlots{});
}

TEST(Rk2207PipRule, FullScreenWithOneSmallWindowShowsChannelOneFull) {
  struct Case {
    std::uint8_t mode;
    std::array<std::uint8_t, 2> before, after;
  };
  const Case cases[] = {
      {8, {1, 3}, {1, 3}}, {8, {4, 1}, {1, 2}}, {7, {0, 0}, {1, 0}},  {10, {2, 1}, {1, 2}},
      {9, {1, 1}, {1, 2}}, {6, {4, 1}, {4, 1}}, {11, {3, 1}, {3, 1}}, {5, {0, 1}, {0, 1}},
  };
  for (const Case& c : cases) {
    Rk2207State record;
    record.pip_child_ch = c.before;
    apply_pip_rule(record, c.mode);
    EXPECT_EQ(record.pip_child_ch, c.after) << "mode " << int(c.mode);
  }
}

}  // namespace
}  // namespace vela::rk2207
