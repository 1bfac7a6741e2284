// Every kind of frame the switcher page, its settings sub-pages and its two
// dialogs send, driven by clicks on the real page, against frames written
// out byte by byte: type 0xA5, id 1, link flag 1 always (the switcher is
// reached over the network only, whatever the connection mode).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "frame_literals.h"
#include "list_clicks.h"
#include "switcher/camera_names_dialog.h"
#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher/pip_panel.h"
#include "switcher/switcher_setup_dialog.h"
#include "switcher/wipe_pattern_panel.h"
#include "switcher_lever_fixture.h"
#include "switcher_settings_fixture.h"

namespace vela::test {
namespace {

// Control ids of the page.
constexpr int kProgram3 = 1011, kProgramMp1 = 1120, kPreview5 = 1113;
constexpr int kPip = 1131, kKey1 = 1144, kKey2 = 1145, kBkgd = 1135, kOnAir = 1134;
constexpr int kMix = 1136, kDip = 1162, kWipe = 1132, kCut = 1151, kFtb = 1152, kAuto = 1118;
constexpr int kSetup = 1039, kNames = 1210;

struct SwitcherFrames : SwitcherLeverFixture {
  template <class T>
  T* settings() const {
    auto* sub_page = qobject_cast<T*>(page->settings_sub_page());
    EXPECT_NE(sub_page, nullptr) << "another settings sub-page is shown";
    return sub_page;
  }
  template <class T>
  T* dialog(QDialog* shown) const {
    auto* window = qobject_cast<T*>(shown);
    EXPECT_NE(window, nullptr);
    return window;
  }
  static void release_at(TrackBar* bar, int position) { SwitcherSettingsFixture::release_at(bar, position); }

  // The frames with one of these codes that reached the switcher so far.
  std::vector<LogRecord> received_with_codes(std::initializer_list<int> codes) const {
    std::vector<LogRecord> found;
    for (LogRecord& r : received_so_far()) {
      if (std::find(codes.begin(), codes.end(), r.code) != codes.end()) found.push_back(std::move(r));
    }
    return found;
  }
};

TEST_F(SwitcherFrames, ThePageItsSubPagesAndDialogs) {
  start();
  open_page();
  const std::vector<SentFrames> rows = {
      {"program 3", [&] { press(kProgram3); }, {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE"}},
      {"preview 5", [&] { press(kPreview5); }, {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 81 05 53 02 AE"}},
      {"program MP1", [&] { press(kProgramMp1); }, {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 0C 59 02 AE"}},
      {"Cut", [&] { press(kCut); }, {"A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE"}},
      {"FTB on and off",
       [&] {
         press(kFtb);
         press(kFtb);
       },
       {"A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 85 51 02 AE",
        "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 85 51 02 AE"}},
      {"ON AIR on and off, each with the flag before the press",
       [&] {
         press(kOnAir);
         press(kOnAir);
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 88 00 55 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 88 01 56 02 AE"}},
      {"BKGD with no layer lit",
       [&] { press(kBkgd); },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 8A 01 58 02 AE"}},
      {"MIX, DIP, WIPE",
       [&] {
         press(kMix);
         press(kDip);
         press(kWipe);
       },
       {"A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 8D 59 02 AE",
        "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 8E 5A 02 AE",
        "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 8F 5B 02 AE"}},
      {"wipe pattern 4",
       [&] { QTest::mouseClick(settings<WipePatternPanel>()->pattern_button(4), Qt::LeftButton); },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 92 04 63 02 AE"}},
      {"KEY 1", [&] { press(kKey1); }, {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 8B 00 58 02 AE"}},
      {"luma key: source MP, green let go at 200",
       [&] {
         auto* luma = settings<LumaKeyPanel>();
         ASSERT_TRUE(click_list_item(luma->source_list(), 10));
         release_at(luma->colour_bars().bars[1], 200);
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 93 0A 6A 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 95 C8 2A 03 AE"}},
      {"KEY 2", [&] { press(kKey2); }, {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 8C 00 59 02 AE"}},
      {"chroma key: Key Light Green, red at 90, blue at 40, source MP",
       [&] {
         auto* chroma = settings<ChromaKeyPanel>();
         ASSERT_TRUE(click_list_item(chroma->type_list(), 1));
         release_at(chroma->colour_bars().bars[0], 90);
         release_at(chroma->colour_bars().bars[2], 40);
         ASSERT_TRUE(click_list_item(chroma->source_list(), 10));
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 98 01 66 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 94 5A BB 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 96 28 8B 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 97 0A 6E 02 AE"}},
      {"PIP", [&] { press(kPip); }, {"A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 86 52 02 AE"}},
      {"PIP lists: source MP, Enable, Green, width 15",
       [&] {
         auto* pip = settings<PipPanel>();
         ASSERT_TRUE(click_list_item(pip->list(0), 10));
         ASSERT_TRUE(click_list_item(pip->list(1), 1));
         ASSERT_TRUE(click_list_item(pip->list(2), 3));
         ASSERT_TRUE(click_list_item(pip->list(3), 15));
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 9C 0A 73 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 9D 01 6B 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 9E 03 6E 02 AE",
        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 9F 0F 7B 02 AE"}},
      {"PIP window: X and Y let go at 120, width at 1",
       [&] {
         auto* pip = settings<PipPanel>();
         release_at(pip->window_bar(0), 120);
         release_at(pip->window_bar(1), 120);
         release_at(pip->window_bar(2), 1);
       },
       {"A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 A0 80 07 F5 02 AE",
        "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 A1 38 04 AB 02 AE",
        "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 A2 10 00 80 02 AE"}},
      {"setup dialog: 1080i50, Rate 2 up from 0.1, MP in Wnd8",
       [&] {
         press(kSetup);
         auto* setup = dialog<SwitcherSetupDialog>(page->configuration_dialog());
         ASSERT_NE(setup, nullptr);
         ASSERT_TRUE(click_list_item(setup->resolution_list(), 3));
         QTest::mouseClick(setup->rate_button(2, true), Qt::LeftButton);
         ASSERT_TRUE(click_list_item(setup->window_input_list(8), 10));
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 A3 01 71 02 AE",
        "A5 6C 17 00 A5 01 01 00 00 00 00 00 00 00 00 00 A5 02 C8 00 3E 03 AE",
        "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 A4 08 0A 84 02 AE"}},
      {"camera names dialog: CAM for camera 2, an empty name for MP 1",
       [&] {
         press(kNames);
         auto* names = dialog<CameraNamesDialog>(page->camera_names_dialog());
         ASSERT_NE(names, nullptr);
         names->name_edit(1)->setText("CAM");
         QTest::mouseClick(names->set_button(1), Qt::LeftButton);
         QTest::mouseClick(names->set_button(10), Qt::LeftButton);
       },
       {"A5 6C 22 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 02 01 00 01 00 01 00 01 43 00 41 00 4D 00 57 03 AE",
        "A5 6C 1C 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 0B 01 00 01 00 01 00 01 89 02 AE"}},
      {"program 3 while the connection mode is serial",
       [&] {
         context->m_link.set_connection_mode(connection_mode::kSerial);
         press(kProgram3);
       },
       {"A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

// The lever's positions go out from the page's worker, as many as it sees;
// what is fixed is the first and the last of each transition and Auto's
// own frame.
TEST_F(SwitcherFrames, TheLeverAndAuto) {
  start();
  open_shown_page();
  drag_lever(0);
  ASSERT_TRUE(wait_for_direction(0));
  std::vector<std::string> pushed = received_hex(received_with_codes({0x82, 0x84}));
  ASSERT_GE(pushed.size(), 2u);
  EXPECT_EQ(pushed.front(), literal_hex("A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 01 52 02 AE"))
      << "the press at rest: direction 1, value 1";
  EXPECT_EQ(pushed.back(), literal_hex("A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 80 D1 02 AE"))
      << "the top end: direction 1, value 128";

  press(kAuto);
  ASSERT_TRUE(wait_for_direction(1));
  const std::vector<std::string> all = received_hex(received_with_codes({0x82, 0x84}));
  const std::vector<std::string> automatic(all.begin() + static_cast<std::ptrdiff_t>(pushed.size()), all.end());
  ASSERT_GE(automatic.size(), 2u);
  EXPECT_EQ(automatic.front(), literal_hex("A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 84 50 02 AE"));
  EXPECT_EQ(automatic.back(), literal_hex("A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 00 80 D0 02 AE"))
      << "the bottom end: direction 0, value 128";
}

}  // namespace
}  // namespace vela::test
