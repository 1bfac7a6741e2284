// One whole multiviewer state reply written out byte by byte, each field a
// value of its own, decoded by the panel's decoder: a decoder that drifted
// together with the reply builder would still fail here.
#include <gtest/gtest.h>

#include "hex_text.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

const Bytes& whole_reply() {
  static const Bytes reply = parse_hex(
      // frame start, length 669, type A1, id 1, network, reserved, group, code 32
      "A5 6C 9D 02 A1 01 01 00 00 00 00 00 00 00 00 00 32 "
      // 17 not read; 18 layout code 9; 19 resolution code 13; 20 labels 2; 21 meters 1; 22 audio 7; 23 resolution
      // labels 4
      "5A 09 0D 02 01 07 04 "
      // label slot, window 1: "CAM 1", 10 bytes
      "0A 43 00 41 00 4D 00 20 00 31 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 2: two CJK units, 4 bytes
      "04 3A 67 4D 4F 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 3: length 0, empty
      "00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 4: length 40, left as it was
      "28 5A 00 5A 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 5: 3 bytes, the odd one a unit of its own: "AB"
      "03 41 00 42 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 6: a zero unit ends "X"
      "08 58 00 00 00 59 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 7: "W07"
      "06 57 00 30 00 37 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 8: "W08"
      "06 57 00 30 00 38 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 9: "W09"
      "06 57 00 30 00 39 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 10: "W10"
      "06 57 00 31 00 30 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 11: "W11"
      "06 57 00 31 00 31 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 12: "W12"
      "06 57 00 31 00 32 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 13: "W13"
      "06 57 00 31 00 33 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 14: "W14"
      "06 57 00 31 00 34 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 15: "W15"
      "06 57 00 31 00 35 00 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A 7A "
      // label slot, window 16: all 32 bytes
      "20 41 00 42 00 43 00 44 00 45 00 46 00 47 00 48 00 49 00 4A 00 4B 00 4C 00 4D 00 4E 00 4F 00 50 00 "
      // 552: sources of windows 1 to 16
      "10 0F 0E 0D 0C 0B 0A 09 08 07 06 05 04 03 02 01 "
      // 568: status of windows 1 to 8
      "01 41 00 42 01 43 00 44 01 45 00 46 01 47 00 48 "
      // 584: status of windows 9 to 16
      "01 49 00 4A 01 4B 00 4C 01 4D 00 4E 01 4F 00 50 "
      // 600: borders on; 601: lock on
      "01 01 "
      // 602: label text colours
      "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F "
      // 618: label background colours
      "0F 0E 0D 0C 0B 0A 09 08 07 06 05 04 03 02 01 00 "
      // 634: resolution text colours
      "03 06 09 0C 0F 02 05 08 0B 0E 01 04 07 0A 0D 00 "
      // 650: resolution background colours
      "05 0A 0F 04 09 0E 03 08 0D 02 07 0C 01 06 0B 00 "
      // byte sum, end
      "25 D8 AE ");
  return reply;
}

TEST(MultiviewerStateBytes, TheLiteralIsOneWholeReply) {
  ASSERT_EQ(whole_reply().size(), 669u);
  EXPECT_EQ(whole_reply().size(), mv::state_reply::kFrameLength);
}

TEST(MultiviewerStateBytes, EveryFieldLandsWhereItBelongs) {
  MultiviewerState state;
  state.reset_labels();
  state.m_window_label[3] = u"keep";
  ASSERT_TRUE(mv::decode_state_reply(whole_reply(), state, mv::DecodeStatus::Take, mv::DecodeDiagnostics::Off));

  const MultiviewerSettings& s = state.m_settings;
  EXPECT_EQ(state.m_layout_window_count, 9);
  EXPECT_EQ(s.mode_type, 4) << "layout code 9 is layout index 4";
  EXPECT_EQ(s.resolution_type, 5) << "resolution code 13 is 1080p25, list position 5";
  EXPECT_EQ(s.label_enable, 2);
  EXPECT_EQ(state.m_labels_visible, 1);
  EXPECT_EQ(s.audio_meter_enable, 1);
  EXPECT_EQ(state.m_meter_visible, 1);
  EXPECT_EQ(s.audio_source_channel, 7);
  EXPECT_EQ(s.resolution_enable, 4);
  EXPECT_EQ(state.m_resolution_visible, 1);

  const std::array<std::u16string, 16> labels = {
      u"CAM 1", u"\u673A\u4F4D", u"",    u"keep", u"AB",  u"X",   u"W07", u"W08",
      u"W09",   u"W10",          u"W11", u"W12",  u"W13", u"W14", u"W15", u"ABCDEFGHIJKLMNOP"};
  for (std::size_t w = 0; w < labels.size(); ++w) {
    EXPECT_EQ(state.m_window_label[w], labels[w]) << "window " << w + 1;
  }

  EXPECT_EQ(state.m_window_source,
            (std::array<std::uint8_t, 16>{16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
  const WindowStatus status = {{{1, 0x41},
                                {0, 0x42},
                                {1, 0x43},
                                {0, 0x44},
                                {1, 0x45},
                                {0, 0x46},
                                {1, 0x47},
                                {0, 0x48},
                                {1, 0x49},
                                {0, 0x4A},
                                {1, 0x4B},
                                {0, 0x4C},
                                {1, 0x4D},
                                {0, 0x4E},
                                {1, 0x4F},
                                {0, 0x50}}};
  EXPECT_EQ(state.m_window_status, status);
  EXPECT_EQ(s.border_enable, 1);
  EXPECT_EQ(s.lock_state, 1);

  using Colours = std::array<std::uint8_t, 16>;
  const auto colours = [](const std::uint8_t(&field)[16]) {
    Colours out{};
    std::copy(std::begin(field), std::end(field), out.begin());
    return out;
  };
  EXPECT_EQ(colours(s.label_text_colour), (Colours{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(colours(s.label_back_colour), (Colours{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(colours(s.resolution_text_colour), (Colours{3, 6, 9, 12, 15, 2, 5, 8, 11, 14, 1, 4, 7, 10, 13, 0}));
  EXPECT_EQ(colours(s.resolution_back_colour), (Colours{5, 10, 15, 4, 9, 14, 3, 8, 13, 2, 7, 12, 1, 6, 11, 0}));
  EXPECT_EQ(s.label_colour_channel, 1) << "the reply carries no colour channel";
  EXPECT_EQ(s.resolution_colour_channel, 1);
}

// The serial line's decoding leaves the window status alone.
TEST(MultiviewerStateBytes, WithoutTheStatusTheWindowStatusStays) {
  MultiviewerState state;
  state.m_window_status[0] = {9, 9};
  ASSERT_TRUE(mv::decode_state_reply(whole_reply(), state, mv::DecodeStatus::Skip, mv::DecodeDiagnostics::Off));
  EXPECT_EQ(state.m_window_status[0], (std::array<std::uint8_t, 2>{9, 9}));
  EXPECT_EQ(state.m_window_source[0], 16);
}

// Offset 665 is the last byte read; a reply that stops before it is refused
// whole.
TEST(MultiviewerStateBytes, AReplyWithoutItsLastReadByteChangesNothing) {
  const Bytes cut(whole_reply().begin(), whole_reply().begin() + 665);
  MultiviewerState state;
  state.m_layout_window_count = 4;
  EXPECT_FALSE(mv::decode_state_reply(cut, state, mv::DecodeStatus::Take, mv::DecodeDiagnostics::Off));
  EXPECT_EQ(state.m_layout_window_count, 4);
  EXPECT_EQ(state.m_window_source[0], 0);
}

}  // namespace
}  // namespace vela::test
