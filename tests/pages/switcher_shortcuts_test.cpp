// The switcher page's keyboard against the simulated switcher: each key does
// what the click on its key does, no key acts from a text field, Space and
// Enter keep their meaning, F1 shows the keys over the page.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <map>

#include "switcher/lever_panel.h"
#include "switcher/switcher_shortcut_overlay.h"
#include "switcher/switcher_shortcuts.h"
#include "switcher_fixture.h"
#include "switcher_protocol.h"

namespace vela::test {
namespace {

constexpr int kFtb = 1152;

struct KeyCase {
  const char* label;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int control_id;     // the key of the page the keyboard key stands for
  const char* frame;  // code and payload the switcher must receive
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }

// What a press leaves behind: the picture of every key of the page and the
// bus part of the record.
struct Outcome {
  std::map<QString, int> pictures;
  std::uint8_t program_source;
  std::uint8_t preview_source;
  std::uint8_t transition_running;
  bool operator==(const Outcome&) const = default;
};

struct SwitcherKeyboard : SwitcherPageFixture {
  void open_shown_page() {
    open_page();
    page->show();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
  }

  // As the keyboard delivers it: to the widget with the focus.
  void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : page.get(), key, modifiers);
  }

  Outcome outcome() const {
    Outcome o{{},
              context->switcher().program_source,
              context->switcher().preview_source,
              context->switcher().transition_running};
    for (const SkinButton* key : page->findChildren<SkinButton*>())
      o.pictures[key->objectName()] = key->shown_bitmap_id();
    return o;
  }

  // Frames so far, without the lever's positions that an Auto goes on sending.
  std::vector<std::string> commands_without_lever() {
    std::vector<std::string> commands = commands_so_far();
    std::erase_if(commands, [](const std::string& c) { return c.starts_with("82"); });
    return commands;
  }
};

class SwitcherKey : public SwitcherKeyboard, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SwitcherKey, SendsAndLightsWhatTheClickOnItsKeyDoes) {
  const KeyCase& c = GetParam();
  start();
  context->switcher().program_source = 2;
  context->switcher().preview_source = 5;
  const SwitcherState before = context->switcher();
  open_shown_page();
  type(c.key, c.modifiers);
  const Outcome by_key = outcome();
  const std::vector<std::string> key_frames = commands_without_lever();
  EXPECT_EQ(key_frames, std::vector<std::string>{c.frame});

  // The same press with the mouse, from the same record on a new page.
  page.reset();
  context->switcher() = before;
  open_shown_page();
  press(c.control_id);
  const Outcome by_click = outcome();
  std::vector<std::string> click_frames = commands_without_lever();
  click_frames.erase(click_frames.begin(), click_frames.begin() + static_cast<long>(key_frames.size()));
  EXPECT_EQ(click_frames, key_frames);
  EXPECT_TRUE(by_key == by_click) << "program " << int(by_key.program_source) << "/" << int(by_click.program_source)
                                  << ", preview " << int(by_key.preview_source) << "/" << int(by_click.preview_source);
}

constexpr int kPreviewIds[] = {1034, 1035, 1012, 1112, 1113, 1114, 1115, 1116};
constexpr int kProgramIds[] = {1032, 1033, 1011, 1107, 1108, 1109, 1110, 1111};

std::vector<KeyCase> key_cases() {
  static const char* const kPreviewFrames[] = {"81 01", "81 02", "81 03", "81 04", "81 05", "81 06", "81 07", "81 08"};
  static const char* const kProgramFrames[] = {"80 01", "80 02", "80 03", "80 04", "80 05", "80 06", "80 07", "80 08"};
  static const char* const kPreviewLabels[] = {"key_1", "key_2", "key_3", "key_4", "key_5", "key_6", "key_7", "key_8"};
  static const char* const kProgramLabels[] = {"ctrl_1", "ctrl_2", "ctrl_3", "ctrl_4",
                                               "ctrl_5", "ctrl_6", "ctrl_7", "ctrl_8"};
  std::vector<KeyCase> cases;
  for (int n = 0; n < 8; ++n) {
    const auto key = Qt::Key(Qt::Key_1 + n);
    cases.push_back({kPreviewLabels[n], key, Qt::NoModifier, kPreviewIds[n], kPreviewFrames[n]});
    cases.push_back({kProgramLabels[n], key, Qt::ControlModifier, kProgramIds[n], kProgramFrames[n]});
  }
  cases.push_back({"keypad_3", Qt::Key_3, Qt::KeypadModifier, 1012, "81 03"});
  cases.push_back({"ctrl_keypad_6", Qt::Key_6, Qt::ControlModifier | Qt::KeypadModifier, 1109, "80 06"});
  cases.push_back({"c_cuts", Qt::Key_C, Qt::NoModifier, 1151, "83"});
  cases.push_back({"a_runs_auto", Qt::Key_A, Qt::NoModifier, 1118, "84"});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Keys, SwitcherKey, ::testing::ValuesIn(key_cases()),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.label; });

TEST_F(SwitcherKeyboard, NoKeyActsWhileTheDurationFieldHasTheFocus) {
  start();
  open_shown_page();
  QLineEdit* field = page->duration_edit();
  QTest::mouseClick(field, Qt::LeftButton);
  ASSERT_TRUE(field->hasFocus());
  field->clear();
  for (int n = 0; n < 8; ++n) {
    type(Qt::Key(Qt::Key_1 + n));
    type(Qt::Key(Qt::Key_1 + n), Qt::ControlModifier);
  }
  type(Qt::Key_C);
  type(Qt::Key_A);
  EXPECT_EQ(field->text(), "1234") << "the digits went to the field, up to its four characters";
  EXPECT_TRUE(commands_so_far().empty());
  EXPECT_EQ(context->switcher().program_source, 0);
  EXPECT_EQ(context->switcher().preview_source, 0);
  EXPECT_FALSE(page->lever_panel()->auto_running());
}

TEST_F(SwitcherKeyboard, SpacePressesTheFocusedKeyAndEnterNothing) {
  start();
  open_shown_page();
  // Where a click on the lever puts the focus.
  page->button(kFtb)->setFocus(Qt::OtherFocusReason);
  diagnostics.clear();
  type(Qt::Key_Return);
  type(Qt::Key_Enter);
  EXPECT_FALSE(page->ftb_blinking());
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 2u) << "the page swallowed Enter";
  type(Qt::Key_Space);
  EXPECT_TRUE(page->ftb_blinking());
  EXPECT_EQ(context->switcher().fade_to_black_flag, 1);
  EXPECT_EQ(commands_so_far(), std::vector<std::string>{"85"});
}

TEST_F(SwitcherKeyboard, F1ShowsTheKeysOverThePageUntilF1EscapeOrAClick) {
  start();
  open_shown_page();
  SwitcherShortcutOverlay* overlay = page->shortcuts()->overlay();
  ASSERT_NE(overlay, nullptr);
  EXPECT_FALSE(overlay->isVisible());
  diagnostics.clear();
  const std::function<void()> dismissals[] = {
      [&] { type(Qt::Key_F1); },
      [&] { type(Qt::Key_Escape); },
      // Over preview key 3.
      [&] { QTest::mouseClick(overlay, Qt::LeftButton, Qt::NoModifier, page->button(1012)->geometry().center()); },
  };
  for (const auto& dismiss : dismissals) {
    type(Qt::Key_F1);
    ASSERT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), page->rect());
    EXPECT_EQ(page->childAt(page->kSettingsArea.center()), overlay) << "over the settings sub-page too";
    dismiss();
    EXPECT_FALSE(overlay->isVisible());
  }
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 0u) << "Escape only closed the keys";
  // The click that closed the keys reached no key of the page.
  EXPECT_TRUE(commands_so_far().empty());
  type(Qt::Key_Escape);
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 1u) << "without the keys shown, Escape is the page's again";
}

using SwitcherKeyboardRender = SwitcherKeyboard;

TEST_F(SwitcherKeyboardRender, KeysOverThePage) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start();
  context->switcher().program_source = 2;
  context->switcher().preview_source = 5;
  open_shown_page();
  type(Qt::Key_F1);
  ASSERT_TRUE(page->shortcuts()->overlay()->isVisible());
  EXPECT_TRUE(page->grab().save(dir + "/switcher-keyboard.png"));
}

}  // namespace
}  // namespace vela::test
