// The multiviewer's state reply: what the device builds and what the panel
// takes from it.
#include <gtest/gtest.h>

#include "multiviewer_protocol.h"
#include "text_recorders.h"

namespace vela::multiviewer {
namespace {

Bytes reply_frame(const StateReplyFields& fields) {
  return build_frame(frame::kLinkUdp, 0xA1, 1, code::kState, state_reply_payload(fields));
}

LabelSlot raw_slot(std::uint8_t length, std::initializer_list<std::uint8_t> bytes) {
  LabelSlot slot;
  slot.length = length;
  std::copy(bytes.begin(), bytes.end(), slot.text.begin());
  return slot;
}

// A record as it is after a device selection, with marks that show whether
// a field was left alone.
MultiviewerState marked_state() {
  MultiviewerState state;
  state.m_settings.mode_type = 3;
  state.m_settings.resolution_type = 4;
  state.m_window_label.fill(u"old");
  state.m_window_status[0] = {7, 7};
  return state;
}

TEST(MultiviewerStateReply, AWholeReplyIs669BytesAndEveryFieldComesBack) {
  StateReplyFields fields;
  fields.layout_code = 9;
  fields.resolution_code = 14;
  fields.label_display = 1;
  fields.meter_display = 1;
  fields.audio_source = 5;
  fields.resolution_display = 1;
  for (int w = 0; w < kWindowCount; ++w) {
    fields.labels[w] = label_slot(u"CAM " + std::u16string(1, char16_t(u'A' + w)));
    fields.sources[w] = static_cast<std::uint8_t>(kWindowCount - w);
    fields.status[w] = {static_cast<std::uint8_t>(w % 2), 0};
    fields.label_text_colours[w] = static_cast<std::uint8_t>(w);
    fields.label_back_colours[w] = 6;
    fields.resolution_text_colours[w] = 7;
    fields.resolution_back_colours[w] = 15;
  }
  fields.border = 1;
  fields.lock = 1;
  const Bytes frame = reply_frame(fields);
  ASSERT_EQ(frame.size(), 669u);
  EXPECT_EQ(frame[state_reply::kLock], 1);

  MultiviewerState state = marked_state();
  ASSERT_TRUE(decode_state_reply(frame, state, DecodeStatus::Take, DecodeDiagnostics::Off));
  const MultiviewerSettings& s = state.m_settings;
  EXPECT_EQ(state.m_layout_window_count, 9);
  EXPECT_EQ(s.mode_type, 4);
  EXPECT_EQ(s.resolution_type, 7);
  EXPECT_EQ(state.m_labels_visible, 1);
  EXPECT_EQ(state.m_meter_visible, 1);
  EXPECT_EQ(state.m_resolution_visible, 1);
  EXPECT_EQ(s.audio_source_channel, 5);
  EXPECT_EQ(state.m_window_label[2], u"CAM C");
  EXPECT_EQ(state.m_window_source[0], 16);
  EXPECT_EQ(state.m_window_status[1][0], 1);
  EXPECT_EQ(s.border_enable, 1);
  EXPECT_EQ(s.lock_state, 1);
  EXPECT_EQ(s.label_text_colour[15], 15);
  EXPECT_EQ(s.label_back_colour[3], 6);
  EXPECT_EQ(s.resolution_text_colour[3], 7);
  EXPECT_EQ(s.resolution_back_colour[3], 15);
}

struct DecodeCase {
  const char* name;
  std::function<void(StateReplyFields&)> reply;
  std::function<void(const MultiviewerState&)> check;
};

class MultiviewerDecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(MultiviewerDecodeTable, Decodes) {
  StateReplyFields fields;
  GetParam().reply(fields);
  MultiviewerState state = marked_state();
  ASSERT_TRUE(decode_state_reply(reply_frame(fields), state, DecodeStatus::Take, DecodeDiagnostics::Off));
  GetParam().check(state);
}

const DecodeCase kDecodeCases[] = {
    {"LayoutCode16", [](StateReplyFields& f) { f.layout_code = 16; },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_layout_window_count, 16);
       EXPECT_EQ(s.m_settings.mode_type, 6);
     }},
    {"LayoutCode7IsNoLayout", [](StateReplyFields& f) { f.layout_code = 7; },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_layout_window_count, 1);
       EXPECT_EQ(s.m_settings.mode_type, 3);
     }},
    {"LayoutCode200IsNoLayout", [](StateReplyFields& f) { f.layout_code = 200; },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_layout_window_count, 1);
       EXPECT_EQ(s.m_settings.mode_type, 3);
     }},
    {"ResolutionCode11", [](StateReplyFields& f) { f.resolution_code = 11; },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_settings.resolution_type, 1); }},
    {"ResolutionCode2IsNotInTheTable", [](StateReplyFields& f) { f.resolution_code = 2; },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_settings.resolution_type, 4); }},
    {"LabelCam",
     [](StateReplyFields& f) {
       f.labels[0] = raw_slot(6, {'C', 0, 'A', 0, 'M', 0});
     },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_window_label[0], u"CAM");
       EXPECT_EQ(s.m_window_label[1], u"") << "an all-zero slot is an empty label";
     }},
    {"LabelLength0IsEmpty",
     [](StateReplyFields& f) {
       f.labels[4] = raw_slot(0, {'X', 0});
     },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_window_label[4], u""); }},
    {"LabelLength40KeepsTheOldLabelAndTheNextSlotIsRead",
     [](StateReplyFields& f) {
       f.labels[2] = raw_slot(40, {'Z', 0});
       f.labels[3] = raw_slot(2, {'N', 0});
     },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_window_label[2], u"old");
       EXPECT_EQ(s.m_window_label[3], u"N");
     }},
    {"LabelOddLengthTakesTheLastByteAsALowByte",
     [](StateReplyFields& f) {
       f.labels[5] = raw_slot(3, {'A', 0, 'B', 0x4E});
     },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_window_label[5], u"AB"); }},
    {"LabelZeroUnitEndsTheText",
     [](StateReplyFields& f) {
       f.labels[6] = raw_slot(6, {'A', 0, 0, 0, 'B', 0});
     },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_window_label[6], u"A"); }},
    {"LabelOfChineseText", [](StateReplyFields& f) { f.labels[7] = label_slot(u"机位一"); },
     [](const MultiviewerState& s) { EXPECT_EQ(s.m_window_label[7], u"机位一"); }},
    {"DisplayByte2SwitchesTheLabelsOn", [](StateReplyFields& f) { f.label_display = 2; },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_settings.label_enable, 2);
       EXPECT_EQ(s.m_labels_visible, 1);
     }},
    {"DisplayBytesZeroSwitchOff",
     [](StateReplyFields& f) {
       f.label_display = 0;
       f.meter_display = 0;
       f.resolution_display = 0;
     },
     [](const MultiviewerState& s) {
       EXPECT_EQ(s.m_labels_visible, 0);
       EXPECT_EQ(s.m_meter_visible, 0);
       EXPECT_EQ(s.m_resolution_visible, 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, MultiviewerDecodeTable, ::testing::ValuesIn(kDecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MultiviewerStateReply, AReplyShorterThanAWholeFrameIsNotDecoded) {
  StateReplyFields fields;
  fields.layout_code = 4;
  Bytes frame = reply_frame(fields);
  for (const std::size_t size : {666u, 668u, 20u, 0u}) {
    MultiviewerState state = marked_state();
    EXPECT_FALSE(decode_state_reply(ByteView(frame.data(), size), state, DecodeStatus::Take, DecodeDiagnostics::On))
        << size;
    EXPECT_EQ(state.m_layout_window_count, 0) << size;
    EXPECT_EQ(state.m_window_label[0], u"old") << size;
  }
}

TEST(MultiviewerStateReply, TheSerialPathLeavesTheWindowStatusAndWritesNothing) {
  StateReplyFields fields;
  fields.status[0] = {1, 0};
  MultiviewerState state = marked_state();
  test::DiagnosticRecorder diagnostics;
  ASSERT_TRUE(decode_state_reply(reply_frame(fields), state, DecodeStatus::Skip, DecodeDiagnostics::Off));
  EXPECT_EQ(state.m_window_status[0][0], 7);
  EXPECT_TRUE(diagnostics.lines().empty());
}

TEST(MultiviewerStateReply, TheNetworkPathWritesItsDiagnostics) {
  StateReplyFields fields;
  fields.layout_code = 4;
  fields.resolution_code = 11;
  fields.label_display = 1;
  fields.audio_source = 3;
  fields.labels[1] = label_slot(u"ab");
  MultiviewerState state;
  test::DiagnosticRecorder diagnostics;
  ASSERT_TRUE(decode_state_reply(reply_frame(fields), state, DecodeStatus::Take, DecodeDiagnostics::On));
  const auto lines = diagnostics.lines();
  ASSERT_GE(lines.size(), 3u + 16u);
  EXPECT_EQ(lines[0], "m_p_glo_main_set_or_get_dlg.m_cur_window_count = 4 \n");
  EXPECT_EQ(lines[1], " mode = 1 ,reso = 1 \n");
  EXPECT_EQ(lines[2], "umd enable 1, audio enable 0 ,audio source 3,reso enable 0  \n");
  EXPECT_EQ(lines[3], "0 line  = 0 \n");
  EXPECT_EQ(lines[4], "1 line  = 4 \n");
}

TEST(MultiviewerStatusReply, WindowStatusComesFromOffset18AndAShortReplyGivesNothing) {
  WindowStatus status{};
  for (int w = 0; w < 4; ++w) status[w] = {1, 0};
  status[5] = {2, 0};
  const Bytes frame = build_frame(frame::kLinkUdp, 0xA1, 1, code::kStatus, status_reply_payload(status));
  ASSERT_EQ(frame.size(), 53u);
  const auto read = read_status_reply(frame);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, status);
  EXPECT_FALSE(read_status_reply(ByteView(frame.data(), 49)).has_value());
}

}  // namespace
}  // namespace vela::multiviewer
