// Every kind of frame the multiviewer page and its sub-pages send, driven by
// clicks and keys on the real page, against frames written out byte by byte:
// A5 6C, the length low byte first, type 0xA1, id 1, the link flag (1 over
// the network, 0 over the serial line), eight reserved zeros, group 0, the
// code, the payload, the byte sum low byte first, AE.
#include "drop_down_list.h"
#include "frame_literals.h"
#include "ipv4_address_edit.h"
#include "multiviewer/label_edit.h"
#include "multiviewer/multiviewer_colours_tab.h"
#include "multiviewer/multiviewer_labels_tab.h"
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_settings_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_fixture.h"

namespace vela::test {
namespace {

using Set = MultiviewerSettingsTab;

struct MultiviewerFrames : MultiviewerPageFixture {
  template <class T>
  T* show(MultiviewerSubPage n) {
    choose_sub_page(n);
    return sub_page<T>();
  }

  // Types `text` over what the label field of `window` holds, then Enter.
  void confirm_label(int window, const char* text) {
    LabelEdit* field = show<MultiviewerLabelsTab>(MultiviewerSubPage::Umd)->label_field(window);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  void choose(Set* set, int list, int item) { ASSERT_TRUE(click_list_item(set->list(list), item)) << list; }

  // On the COLOR sub-page: the channel (0 all windows) of a section, then a
  // colour in one of its lists.
  void choose_colour(int section, int channel, int which, int colour) {
    auto* color = show<MultiviewerColoursTab>(MultiviewerSubPage::Color);
    ASSERT_TRUE(click_list_item(color->channel_list(section), channel));
    ASSERT_TRUE(click_list_item(color->colour_list(section, which), colour));
  }
};

TEST_F(MultiviewerFrames, EachSubPageSendsItsFramesOverTheNetwork) {
  start();
  constexpr int kLabels = 0, kResolution = 1, kText = 0, kBackground = 1;
  const std::vector<SentFrames> rows = {
      {"opening the page reads the state",
       [&] {
         open_page();
         show_active();  // the label fields take the keyboard focus
       },
       {"A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 32 FA 01 AE"}},
      {"the STATUS poll",
       [&] { sub_page<MultiviewerStatusTab>()->on_timer(); },
       {"A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 51 19 02 AE"}},
      {"CONTROL: the four-window layout",
       [&] {
         QTest::mouseClick(show<MultiviewerLayoutTab>(MultiviewerSubPage::Control)->layout_button(1), Qt::LeftButton);
       },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 33 04 00 02 AE"}},
      {"CONTROL: SDI 3 in window 4",
       [&] { ASSERT_TRUE(click_list_item(sub_page<MultiviewerLayoutTab>()->source_list(4), 2)); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 34 03 04 05 02 AE"}},
      {"UMD: CAM 1 for window 3",
       [&] { confirm_label(3, "CAM 1"); },
       {"A5 6C 26 00 A1 01 01 00 00 00 00 00 00 00 00 00 1E 03 01 00 01 00 01 00 01 "
        "43 00 41 00 4D 00 20 00 31 00 21 03 AE"}},
      {"UMD: an empty label for window 16",
       [&] { confirm_label(16, ""); },
       {"A5 6C 1C 00 A1 01 01 00 00 00 00 00 00 00 00 00 1E 10 01 00 01 00 01 00 01 02 02 AE"}},
      {"UMD: UMD OFF, then UMD ON",
       [&] {
         DropDownList* display = sub_page<MultiviewerLabelsTab>()->display_list();
         ASSERT_TRUE(click_list_item(display, 0));
         ASSERT_TRUE(click_list_item(display, 1));
       },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 36 00 FF 01 AE",
        "A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 36 01 00 02 AE"}},
      {"COLOR: label text Red for all windows",
       [&] { choose_colour(kLabels, 0, kText, 2); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3B 00 02 07 02 AE"}},
      {"COLOR: label background Yellow for window 3",
       [&] { choose_colour(kLabels, 3, kBackground, 6); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3C 03 06 0F 02 AE"}},
      {"COLOR: resolution text Cyan for window 2",
       [&] { choose_colour(kResolution, 2, kText, 5); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3D 02 05 0E 02 AE"}},
      {"COLOR: resolution background Blue for all windows",
       [&] { choose_colour(kResolution, 0, kBackground, 1); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 3E 00 01 09 02 AE"}},
      {"SETTING: Audio Meter Enable OFF",
       [&] { choose(show<Set>(MultiviewerSubPage::Setting), Set::kAudioMeterListId, 0); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 37 00 00 02 AE"}},
      {"SETTING: Audio Source CH_3",
       [&] { choose(sub_page<Set>(), Set::kAudioSourceListId, 2); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 39 03 05 02 AE"}},
      {"SETTING: Resolution Type 1080p50",
       [&] { choose(sub_page<Set>(), Set::kResolutionTypeListId, 1); },
       {"A5 6C 16 00 A1 01 01 00 00 00 00 00 00 00 00 00 19 00 0B EE 01 AE"}},
      {"SETTING: Resolution Enable ON",
       [&] { choose(sub_page<Set>(), Set::kResolutionDisplayListId, 1); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 3A 01 04 02 AE"}},
      {"SETTING: Border Enable OFF",
       [&] { choose(sub_page<Set>(), Set::kBorderListId, 0); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 3F 00 08 02 AE"}},
      {"SETTING: Lock State ON",
       [&] { choose(sub_page<Set>(), Set::kLockListId, 1); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 50 01 1A 02 AE"}},
      {"SETTING: Set IP 10.0.0.5, 255.0.0.0, 10.0.0.1",
       [&] {
         Set* set = sub_page<Set>();
         set->address_field(Set::kAddressFieldId)->set_address_text("10.0.0.5");
         set->address_field(Set::kMaskFieldId)->set_address_text("255.0.0.0");
         set->address_field(Set::kGatewayFieldId)->set_address_text("10.0.0.1");
         QTest::mouseClick(set->set_address_button(), Qt::LeftButton);
       },
       {"A5 6C 20 00 A1 01 01 00 00 00 00 00 00 00 00 00 05 0A 00 00 05 FF 00 00 00 0A 00 00 01 F2 02 AE"}},
      {"SETTING: Set Default",
       [&] { QTest::mouseClick(sub_page<Set>()->default_button(), Qt::LeftButton); },
       {"A5 6C 15 00 A1 01 01 00 00 00 00 00 00 00 00 00 38 00 01 02 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

// The set-address command always travels as a datagram with link flag 1,
// also while the page's other commands go over the serial line.
TEST_F(MultiviewerFrames, SetIpInSerialModeIsTheNetworkFrame) {
  start();
  open_page();
  context->m_link.set_connection_mode(connection_mode::kSerial);
  const std::vector<SentFrames> rows = {
      {"SETTING: Set IP 10.0.0.5, 255.0.0.0, 10.0.0.1 in serial mode",
       [&] {
         Set* set = show<Set>(MultiviewerSubPage::Setting);
         set->address_field(Set::kAddressFieldId)->set_address_text("10.0.0.5");
         set->address_field(Set::kMaskFieldId)->set_address_text("255.0.0.0");
         set->address_field(Set::kGatewayFieldId)->set_address_text("10.0.0.1");
         QTest::mouseClick(set->set_address_button(), Qt::LeftButton);
       },
       {"A5 6C 20 00 A1 01 01 00 00 00 00 00 00 00 00 00 05 0A 00 00 05 FF 00 00 00 0A 00 00 01 F2 02 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

// Over the serial line the same frames carry link flag 0, and so a byte sum
// one lower.
TEST_F(MultiviewerFrames, OverTheSerialLineTheLinkFlagIsZero) {
  sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0xA1,id=1,name=Serial MV"});
  make_context({}, device_type::kMultiviewer16);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  const SimLog log(sim->log_path());
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  QTest::mouseClick(sub_page<MultiviewerLayoutTab>()->layout_button(4), Qt::LeftButton);
  const auto records = log.wait_for(2, [](const LogRecord& r) { return r.carrier == "serial"; });
  EXPECT_EQ(received_hex(records), literals_hex({
                                       "A5 6C 14 00 A1 01 00 00 00 00 00 00 00 00 00 00 32 F9 01 AE",
                                       "A5 6C 15 00 A1 01 00 00 00 00 00 00 00 00 00 00 33 09 04 02 AE",
                                   }));
}

}  // namespace
}  // namespace vela::test
