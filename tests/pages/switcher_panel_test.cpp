// The switcher page against the simulated switcher: what each press sends,
// what it leaves in the record and which pictures it lights.
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <functional>

#include "switcher/switcher_setup_dialog.h"
#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher/wipe_pattern_panel.h"
#include "switcher/camera_names_dialog.h"
#include "switcher/pip_panel.h"
#include "switcher/switcher_bitmaps.h"
#include "switcher_fixture.h"

namespace vela::test {
namespace {

namespace bitmap = switcher_bitmap;

// Control ids of the page.
constexpr int kProgram2 = 1033, kProgram3 = 1011, kProgram4 = 1107, kProgram5 = 1108;
constexpr int kPreview2 = 1035, kPreview4 = 1112, kPreview5 = 1113, kPreview6 = 1114;
constexpr int kPip = 1131, kKey1 = 1144, kKey2 = 1145, kBkgd = 1135, kOnAir = 1134;
constexpr int kMix = 1136, kDip = 1162, kWipe = 1132, kCut = 1151, kFtb = 1152;
constexpr int kSetup = 1039, kNames = 1210;

using SwitcherPageTest = SwitcherPageFixture;

struct PressCase {
  const char* label;
  std::function<void(SwitcherState&)> before;  // on the record, before the page opens
  std::vector<int> presses;
  std::vector<std::string> commands;  // code and payload of each frame sent
  std::function<void(const SwitcherState&)> check;
  std::vector<std::pair<int, int>> pictures;  // control id, bitmap id
  SettingsSubPage sub_page;
  std::vector<std::string> diagnostics;  // lines written, in this order
};

void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class SwitcherPress : public SwitcherPageFixture, public ::testing::WithParamInterface<PressCase> {};

TEST_P(SwitcherPress, SendsChangesTheRecordAndLights) {
  const PressCase& c = GetParam();
  start();
  c.before(context->switcher());
  open_page();
  diagnostics.clear();
  for (const int id : c.presses) press(id);
  EXPECT_EQ(commands_so_far(), c.commands);
  c.check(context->switcher());
  for (const auto& [id, bitmap_id] : c.pictures) EXPECT_EQ(picture(id), bitmap_id) << "control " << id;
  EXPECT_EQ(context->switcher().settings_sub_page, c.sub_page);
  std::vector<std::string> written;
  for (const std::string& line : diagnostics.lines()) {
    if (std::find(c.diagnostics.begin(), c.diagnostics.end(), line) != c.diagnostics.end()) written.push_back(line);
  }
  EXPECT_EQ(written, c.diagnostics);
}

void nothing(SwitcherState&) {}

INSTANTIATE_TEST_SUITE_P(
    Presses, SwitcherPress,
    ::testing::Values(PressCase{"program_source_already_on_the_bus_is_sent_again",
                                [](SwitcherState& s) { s.program_source = 3; },
                                {kProgram3, kProgram3},
                                {"80 03", "80 03"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.program_source, 3); },
                                {{kProgram3, bitmap::bus_red(3)}, {kProgram2, bitmap::bus_normal(2)}},
                                SettingsSubPage::Transition,
                                {}},
                      PressCase{"program_then_mp1_moves_the_light",
                                nothing,
                                {kProgram2, 1120},
                                {"80 02", "80 0C"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.program_source, 12); },
                                {{kProgram2, bitmap::bus_normal(2)},
                                 {1120, bitmap::bus_red(12)},
                                 {1155, bitmap::bus_normal(12)}},
                                SettingsSubPage::Transition,
                                {}},
                      PressCase{"preview_lights_green",
                                nothing,
                                {kPreview5},
                                {"81 05"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.preview_source, 5); },
                                {{kPreview5, bitmap::bus_green(5)}, {kProgram5, bitmap::bus_normal(5)}},
                                SettingsSubPage::Transition,
                                {}},
                      // Auto (1118) starts the transition: a page opens with none running.
                      PressCase{"preview_lights_red_while_a_transition_runs",
                                nothing,
                                {1118, kPreview6},
                                {"84", "81 06"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.preview_source, 6); },
                                {{kPreview6, bitmap::bus_red(6)}},
                                SettingsSubPage::Transition,
                                {}},
                      PressCase{"cut_with_program_2_and_preview_5",
                                [](SwitcherState& s) {
                                  s.program_source = 2;
                                  s.preview_source = 5;
                                },
                                {kCut},
                                {"83"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.program_source, 5);
                                  EXPECT_EQ(s.preview_source, 2);
                                },
                                {{kProgram5, bitmap::bus_red(5)},
                                 {kProgram2, bitmap::bus_normal(2)},
                                 {kPreview2, bitmap::bus_green(2)},
                                 {kPreview5, bitmap::bus_normal(5)}},
                                SettingsSubPage::Transition,
                                {"send cut\n", "SwitchPvmPgm  \n"}},
                      PressCase{"cut_with_the_same_source_on_both_buses",
                                [](SwitcherState& s) {
                                  s.program_source = 4;
                                  s.preview_source = 4;
                                },
                                {kCut},
                                {"83"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.program_source, 4);
                                  EXPECT_EQ(s.preview_source, 4);
                                },
                                {{kProgram4, bitmap::bus_red(4)}, {kPreview4, bitmap::bus_green(4)}},
                                SettingsSubPage::Transition,
                                {"send cut\n", "SwitchPvmPgm  \n"}},
                      PressCase{"key1_while_pip_is_on_turns_pip_off_without_a_pip_command",
                                [](SwitcherState& s) {
                                  s.pip_flag = 1;
                                  s.lit_layer = SwitcherLayer::Pip;
                                },
                                {kKey1},
                                {"8B 00"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.pip_flag, 0);
                                  EXPECT_EQ(s.key1_flag, 1);
                                  EXPECT_EQ(s.lit_layer, SwitcherLayer::Key1);
                                },
                                {{kPip, bitmap::pip_normal}, {kKey1, bitmap::key1_lit}},
                                SettingsSubPage::LumaKey,
                                {"ch = 2 \n"}},
                      PressCase{"bkgd_with_no_layer_lit_sends_1_each_time_and_stays_lit",
                                nothing,
                                {kBkgd, kBkgd, kBkgd},
                                {"8A 01", "8A 01", "8A 01"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.background_flag, 1); },
                                {{kBkgd, bitmap::bkgd_lit}},
                                SettingsSubPage::Transition,
                                {}},
                      PressCase{"key2_twice_with_bkgd_on",
                                nothing,
                                {kKey2, kKey2},
                                {"8C 00", "8C 01"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.key2_flag, 0);
                                  EXPECT_EQ(s.lit_layer, SwitcherLayer::None);
                                },
                                {{kKey2, bitmap::key2_normal}},
                                SettingsSubPage::ChromaKey,
                                {"ch = 3 \n", "ch = 0 \n"}},
                      PressCase{"with_bkgd_off_a_lit_key_refuses_to_go_off_until_bkgd_is_back",
                                nothing,
                                {kKey2, kBkgd, kKey2, kBkgd},
                                {"8C 00", "8A 01", "8A 00"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.key2_flag, 1);
                                  EXPECT_EQ(s.background_flag, 1);
                                  EXPECT_EQ(s.lit_layer, SwitcherLayer::Key2);
                                },
                                {{kKey2, bitmap::key2_lit}, {kBkgd, bitmap::bkgd_lit}},
                                SettingsSubPage::ChromaKey,
                                {"ch = 3 \n"}},
                      PressCase{"pip_on_and_off_again",
                                nothing,
                                {kPip, kPip},
                                {"86", "86"},
                                [](const SwitcherState& s) {
                                  EXPECT_EQ(s.pip_flag, 0);
                                  EXPECT_EQ(s.lit_layer, SwitcherLayer::None);
                                },
                                {{kPip, bitmap::pip_normal}},
                                SettingsSubPage::Pip,
                                {"ch = 1 \n", "ch = 0 \n"}},
                      PressCase{"on_air_sends_the_flag_before_the_press",
                                nothing,
                                {kOnAir},
                                {"88 00"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.on_air_flag, 1); },
                                {{kOnAir, bitmap::on_air_lit}},
                                SettingsSubPage::Transition,
                                {}},
                      PressCase{"transition_types",
                                nothing,
                                {kDip, kWipe, kMix},
                                {"8E", "8F", "8D"},
                                [](const SwitcherState& s) { EXPECT_EQ(s.transition_type, TransitionType::Mix); },
                                {{kMix, bitmap::mix_lit}, {kDip, bitmap::dip_normal}, {kWipe, bitmap::wipe_normal}},
                                SettingsSubPage::Transition,
                                {}}));

TEST_F(SwitcherPageTest, OpeningLightsBkgdAndMixShowsTheTransitionSubPageAndKeepsASocket) {
  start();
  context->switcher().settings_sub_page = SettingsSubPage::Pip;
  open_page();
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.background_flag, 1);
  EXPECT_EQ(state.transition_type, TransitionType::Mix);
  EXPECT_EQ(state.settings_sub_page, SettingsSubPage::Transition);
  auto* sub_page = qobject_cast<WipePatternPanel*>(page->settings_sub_page());
  ASSERT_NE(sub_page, nullptr);
  EXPECT_EQ(sub_page->geometry(), SwitcherPage::kSettingsArea);
  EXPECT_EQ(picture(kBkgd), bitmap::bkgd_lit);
  EXPECT_EQ(picture(kMix), bitmap::mix_lit);
  EXPECT_EQ(picture(kFtb), bitmap::ftb_normal);
  EXPECT_EQ(picture(1118), bitmap::auto_normal);
  EXPECT_EQ(page->duration_edit()->text(), "02:00");
  const int socket = context->m_link.udp_link().m_command_socket_fd;
  EXPECT_NE(socket, -1);

  // Commands use the page's socket; none opens or closes one.
  press(kProgram2);
  press(kCut);
  EXPECT_EQ(context->m_link.udp_link().m_command_socket_fd, socket);
  EXPECT_EQ(diagnostics.count("m_udpSockfd have on live \n"), 0u);

  page.reset();
  EXPECT_EQ(context->m_link.udp_link().m_command_socket_fd, -1);
  EXPECT_EQ(diagnostics.count("close the switcher socket \n"), 1u);
}

TEST_F(SwitcherPageTest, WithoutACurrentDeviceNoSocketIsMadeAndPressesStillChangeTheRecord) {
  make_context({}, device_type::kSwitcher);
  context->m_link.choose_device(-1);
  open_page();
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Please choose a device"});
  EXPECT_EQ(diagnostics.count("create socket fail\n"), 1u);
  press(kProgram4);
  EXPECT_EQ(context->switcher().program_source, 4);
  EXPECT_EQ(picture(kProgram4), bitmap::bus_red(4));
  page.reset();
  EXPECT_EQ(diagnostics.count("close the switcher socket \n"), 0u);
}

TEST_F(SwitcherPageTest, FtbTwiceBlinksInBetweenAndRestsAfterwards) {
  start();
  open_page();
  press(kFtb);
  EXPECT_EQ(context->switcher().fade_to_black_flag, 1);
  EXPECT_TRUE(page->ftb_blinking());
  page->on_ftb_blink();
  EXPECT_EQ(picture(kFtb), bitmap::ftb_normal);
  page->on_ftb_blink();
  EXPECT_EQ(picture(kFtb), bitmap::ftb_lit);
  // The page's own timer blinks it too.
  const int shown = picture(kFtb);
  EXPECT_TRUE(QTest::qWaitFor([&] { return picture(kFtb) != shown; }, 5000));

  press(kFtb);
  EXPECT_EQ(context->switcher().fade_to_black_flag, 0);
  EXPECT_FALSE(page->ftb_blinking());
  EXPECT_EQ(picture(kFtb), bitmap::ftb_normal);
  EXPECT_EQ(commands_so_far(), (std::vector<std::string>{"85", "85"}));
}

TEST_F(SwitcherPageTest, WipeWhileTheTransitionSubPageShowsKeepsIt) {
  start();
  open_page();
  QWidget* shown = page->settings_sub_page();
  QPointer<QWidget> watch(shown);
  press(kWipe);
  EXPECT_EQ(page->settings_sub_page(), shown);
  EXPECT_FALSE(watch.isNull()) << "not made anew";
  // From another sub-page WIPE brings the transition sub-page back.
  press(kPip);
  EXPECT_NE(qobject_cast<PipPanel*>(page->settings_sub_page()), nullptr);
  EXPECT_TRUE(watch.isNull()) << "the old sub-page went";
  press(kWipe);
  EXPECT_NE(qobject_cast<WipePatternPanel*>(page->settings_sub_page()), nullptr);
  EXPECT_EQ(commands_so_far(), (std::vector<std::string>{"8F", "86", "8F"}));
}

TEST_F(SwitcherPageTest, EachLayerKeyShowsItsSubPage) {
  start();
  open_page();
  press(kKey1);
  EXPECT_NE(qobject_cast<LumaKeyPanel*>(page->settings_sub_page()), nullptr);
  press(kKey2);
  EXPECT_NE(qobject_cast<ChromaKeyPanel*>(page->settings_sub_page()), nullptr);
  press(kPip);
  EXPECT_NE(qobject_cast<PipPanel*>(page->settings_sub_page()), nullptr);
  EXPECT_EQ(page->findChildren<SwitcherSettingsSubPage*>().size(), 1u) << "one sub-page at a time";
}

TEST_F(SwitcherPageTest, AReopenedPageShowsWhatTheRecordKeeps) {
  start();
  open_page();
  press(kProgram2);
  press(kPreview5);
  press(kKey1);
  press(kOnAir);
  press(kDip);
  press(kFtb);
  press(kPip);  // the PIP sub-page is shown when the page goes

  open_page();
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.program_source, 2);
  EXPECT_EQ(state.preview_source, 5);
  EXPECT_EQ(state.lit_layer, SwitcherLayer::Pip);
  EXPECT_EQ(state.transition_type, TransitionType::Mix) << "every page opens with MIX";
  EXPECT_EQ(state.settings_sub_page, SettingsSubPage::Transition);
  EXPECT_NE(qobject_cast<WipePatternPanel*>(page->settings_sub_page()), nullptr);
  const std::pair<int, int> pictures[] = {
      {kProgram2, bitmap::bus_red(2)}, {kPreview5, bitmap::bus_green(5)}, {kPip, bitmap::pip_lit},
      {kKey1, bitmap::key1_normal},    {kOnAir, bitmap::on_air_lit},      {kMix, bitmap::mix_lit},
      {kDip, bitmap::dip_normal},      {kBkgd, bitmap::bkgd_lit},
  };
  for (const auto& [id, bitmap_id] : pictures) EXPECT_EQ(picture(id), bitmap_id) << "control " << id;
  EXPECT_TRUE(page->ftb_blinking()) << "FTB is still on";
  EXPECT_EQ(commands_so_far().size(), 7u) << "opening sends nothing";
}

TEST_F(SwitcherPageTest, DialogsAreMadeOnceBesideThePageAndHiddenByTheirKeys) {
  start();
  open_page();
  page->move(100, 50);
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  for (const int id : {kSetup, kNames}) {
    SCOPED_TRACE(id);
    diagnostics.clear();
    press(id);
    QDialog* dialog = id == kSetup ? page->configuration_dialog() : page->camera_names_dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parent(), page.get());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->geometry(), QRect(page->mapToGlobal(QPoint(340, 20)), QSize(320, 550)));
    EXPECT_EQ(diagnostics.count("m_pSetConfigure = null \n"), 1u);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
      QTest::keyClick(dialog, key);
      EXPECT_FALSE(dialog->isVisible()) << key;
      press(id);
      EXPECT_EQ(id == kSetup ? page->configuration_dialog() : page->camera_names_dialog(), dialog);
      EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_EQ(diagnostics.count("m_pSetConfigure = null \n"), 1u) << "made once";
  }
  EXPECT_EQ(qobject_cast<SwitcherSetupDialog*>(page->configuration_dialog())->template_id(), 378);
  EXPECT_EQ(qobject_cast<CameraNamesDialog*>(page->camera_names_dialog())->template_id(), 381);

  open_page();
  EXPECT_EQ(page->configuration_dialog(), nullptr) << "a new page makes its dialogs afresh";
}

TEST_F(SwitcherPageTest, EnterAndEscapeNeverCloseThePage) {
  start();
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(page.get(), &event);
    EXPECT_TRUE(event.isAccepted()) << key;
    EXPECT_TRUE(page->isVisible());
  }
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 3u);
}

}  // namespace
}  // namespace vela::test
