// The multiviewer's settings and window changes: each stores its value,
// sends its command and announces its part of the record only once the
// frame has left, with the preview boxes that follow the setting already
// recomputed, so a view that redraws on the notice draws the new picture.
// The device is a socket of the test's own on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "device_types.h"
#include "hex_text.h"
#include "loopback_device_link.h"
#include "multiviewer_preview.h"
#include "multiviewer_protocol.h"
#include "multiviewer_settings_changes.h"
#include "multiviewer_tables.h"
#include "multiviewer_window_changes.h"
#include "record_changes.h"
#include "text_recorders.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;
namespace changes = multiviewer_settings_changes;

using Change = std::function<void(LinkSession&, MultiviewerState&, RecordChanges&)>;

// What the record and the device showed when the settings were announced.
struct AtNotice {
  int notices = 0;
  std::string frame = "none";
  MultiviewerState state;
};

// A record that shows the 16-window layout's windows but no boxes yet, so a
// recomputation of any box shows.
MultiviewerState windows_without_boxes() {
  MultiviewerState state;
  state.m_settings.mode_type = 6;
  state.m_layout_window_count = 16;
  mv::recompute_window_geometry(state);
  return state;
}

struct SettingsChangeCase {
  const char* name;
  Change change;
  const char* frame;
  // Checks of the record as announced; `sent` tells whether the frame left.
  std::function<void(const MultiviewerState&, bool sent)> check;
  RecordPart announced = RecordPart::MultiviewerSettings;
};

mv::Rgb preview_colour(std::uint8_t index) { return mv::colour_at(index)->preview; }

const std::vector<SettingsChangeCase>& settings_change_cases() {
  static const std::vector<SettingsChangeCase> all = {
      {"layout of eight windows",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::send_layout(l, s, c, 3); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 33 08 04 02 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_settings.mode_type, 3);
         EXPECT_EQ(s.m_layout_window_count, 8) << "the window count follows the layout even when nothing left";
         // Sixteen windows before; the eight-window layout leaves window 9 out.
         EXPECT_EQ(s.m_window_rect[8].present(), !sent);
         EXPECT_EQ(s.m_meter_rect[0].present(), sent);
         EXPECT_EQ(s.m_label_rect[0].present(), sent);
         EXPECT_EQ(s.m_resolution_rect[0].present(), sent);
       }},
      {"output resolution 1080i60",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_output_resolution(l, s, c, 2); },
       "A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 19 00 09 EC 01 AE",
       [](const MultiviewerState& s, bool) { EXPECT_EQ(s.m_settings.resolution_type, 2); }},
      {"resolution labels on",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_resolution_labels(l, s, c, 1); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 3A 01 04 02 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_resolution_visible, 1);
         EXPECT_EQ(s.m_resolution_rect[0].present(), sent);
         EXPECT_FALSE(s.m_meter_rect[0].present());
       }},
      {"meters on", [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_meters(l, s, c, 1); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 37 01 01 02 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_settings.audio_meter_enable, 1);
         EXPECT_EQ(s.m_meter_rect[0].present(), sent);
         EXPECT_FALSE(s.m_label_rect[0].present());
       }},
      {"labels off", [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::switch_labels(l, s, c, 0); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 36 00 FF 01 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_labels_visible, 0);
         EXPECT_EQ(s.m_label_rect[0].present(), sent);
         EXPECT_FALSE(s.m_resolution_rect[0].present());
       }},
      {"audio of window 5",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_audio_source(l, s, c, 5); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 39 05 07 02 AE",
       [](const MultiviewerState& s, bool) { EXPECT_EQ(s.m_settings.audio_source_channel, 5); }},
      {"border on", [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_border(l, s, c, 1); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 3F 01 09 02 AE",
       [](const MultiviewerState& s, bool) { EXPECT_EQ(s.m_settings.border_enable, 1); }},
      {"lock on", [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::set_lock(l, s, c, 1); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 50 01 1A 02 AE",
       [](const MultiviewerState& s, bool) { EXPECT_EQ(s.m_settings.lock_state, 1); }},
      {"label background Yellow for window 3",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) {
         changes::set_window_colour(l, s, c, &MultiviewerSettings::label_back_colour, mv::code::kLabelBackColour, 3, 6);
       },
       "A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3C 03 06 0F 02 AE",
       [](const MultiviewerState& s, bool) {
         EXPECT_EQ(s.m_settings.label_back_colour[2], 6);
         EXPECT_EQ(s.m_settings.label_back_colour[3], 0);
         EXPECT_EQ(s.m_label_rgb[2], preview_colour(6)) << "the label boxes take it, sent or not";
       }},
      {"resolution background Blue for every window",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) {
         changes::set_window_colour(l, s, c, &MultiviewerSettings::resolution_back_colour,
                                    mv::code::kResolutionBackColour, 0, 1);
       },
       "A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3E 00 01 09 02 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_settings.resolution_back_colour[15], 1);
         EXPECT_EQ(s.m_resolution_rgb[15], sent ? preview_colour(1) : mv::Rgb{}) << "only after the frame left";
       }},
      {"the device's defaults",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::restore_defaults(l, s, c, 16); },
       "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 38 00 01 02 AE",
       [](const MultiviewerState& s, bool sent) {
         EXPECT_EQ(s.m_settings.audio_meter_enable, sent ? 1 : 0) << "the record holds them once the frame left";
         EXPECT_EQ(s.m_meter_rect[0].present(), sent);
       }},
      {"label CAM 1 for window 3",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) {
         multiviewer_window_changes::set_label(l, s, c, 3, u"CAM 1");
       },
       "A5 6C 26 00 A1 01 01 00 00 00 00 00 00 00 00 00 1E 03 01 00 01 00 01 00 01 "
       "43 00 41 00 4D 00 20 00 31 00 21 03 AE",
       [](const MultiviewerState& s, bool) { EXPECT_EQ(s.m_window_label[2], u"CAM 1"); },
       RecordPart::MultiviewerLabels},
      {"SDI 3 in window 4",
       [](LinkSession& l, MultiviewerState& s, RecordChanges& c) {
         multiviewer_window_changes::set_source(l, s, c, 4, 3);
       },
       "A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 34 03 04 05 02 AE",
       [](const MultiviewerState& s, bool) {
         EXPECT_EQ(s.m_window_source[3], 3);
         EXPECT_EQ(s.m_source_window, 4);
       },
       RecordPart::MultiviewerLabels},
  };
  return all;
}

struct MultiviewerSettingsChanges : ::testing::Test, LoopbackDeviceLink {
  DiagnosticRecorder diagnostics;
  std::unique_ptr<UdpPeer> peer;

  // Runs `change` on `state` and notes, at the settings notice, the record
  // and the frame the device holds by then. The frame is looked for only
  // there: a notice given before the frame left finds none.
  AtNotice run(const SettingsChangeCase& change, MultiviewerState& state, bool expect_frame) {
    AtNotice seen;
    RecordChanges record_changes;
    const auto subscription = record_changes.observe([&](RecordPart part) {
      if (part != change.announced) return;
      ++seen.notices;
      seen.state = state;
      const auto waited = std::chrono::milliseconds(expect_frame ? 2000 : 100);
      if (const auto datagram = peer->receive(waited)) seen.frame = to_hex(datagram->bytes);
    });
    change.change(*link, state, record_changes);
    return seen;
  }
};

TEST_F(MultiviewerSettingsChanges, EachAnnouncesTheSettingsAfterItsFrameLeft) {
  for (const SettingsChangeCase& c : settings_change_cases()) {
    SCOPED_TRACE(c.name);
    peer = std::make_unique<UdpPeer>(device_address());
    link_to(device_type::kMultiviewer16, peer->port());
    MultiviewerState state = windows_without_boxes();
    const AtNotice seen = run(c, state, true);
    EXPECT_EQ(seen.notices, 1);
    EXPECT_EQ(seen.frame, c.frame);
    EXPECT_EQ(seen.state.settings_origin.origin(), Origin::Sent) << "the panel's own value, not read back";
    c.check(seen.state, true);
  }
}

// Over a serial port that is not open nothing leaves: the value is stored
// and announced, but the preview keeps the boxes it had.
TEST_F(MultiviewerSettingsChanges, AChangeThatCouldNotLeaveIsStoredAndAnnouncedWithoutRecomputing) {
  for (const SettingsChangeCase& c : settings_change_cases()) {
    SCOPED_TRACE(c.name);
    peer = std::make_unique<UdpPeer>(device_address());
    link_to(device_type::kMultiviewer16, peer->port()).set_connection_mode(connection_mode::kSerial);
    MultiviewerState state = windows_without_boxes();
    const AtNotice seen = run(c, state, false);
    EXPECT_EQ(seen.notices, 1);
    EXPECT_EQ(seen.frame, "none");
    EXPECT_FALSE(seen.state.settings_origin.known()) << "a value that never left is not the device's";
    c.check(seen.state, false);
  }
}

TEST_F(MultiviewerSettingsChanges, ALayoutOutsideTheTableIsStoredAndAnnouncedButNotSent) {
  peer = std::make_unique<UdpPeer>(device_address());
  link_to(device_type::kMultiviewer16, peer->port());
  MultiviewerState state = windows_without_boxes();
  const SettingsChangeCase layout_seven{
      "layout 7", [](LinkSession& l, MultiviewerState& s, RecordChanges& c) { changes::send_layout(l, s, c, 7); },
      "none", {}};
  const AtNotice seen = run(layout_seven, state, false);
  EXPECT_EQ(seen.notices, 1);
  EXPECT_EQ(seen.frame, "none");
  EXPECT_EQ(seen.state.m_settings.mode_type, 7);
  EXPECT_EQ(seen.state.m_layout_window_count, 16);
}

}  // namespace
}  // namespace vela::test
