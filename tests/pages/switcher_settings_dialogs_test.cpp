// The switcher's configuration and camera names dialogs against the
// simulated switcher: resolution codes, slider rates, window inputs, camera
// names and their acknowledgement, and hiding by key or close box.
#include <QComboBox>
#include <QPushButton>

#include "switcher/switcher_setup_dialog.h"
#include "switcher/camera_names_dialog.h"
#include "switcher_settings_fixture.h"

namespace vela::test {
namespace {

namespace code = switcher::code;

using SwitcherConfigureDialog = SwitcherSettingsFixture;

TEST_F(SwitcherConfigureDialog, EachResolutionSendsItsCodeNotItsIndex) {
  struct Item {
    const char* text;
    std::uint8_t code;
  };
  const Item items[] = {{"1080p60", 0x07}, {"1080p50", 0x0B}, {"1080i60", 0x09}, {"1080i50", 0x01}, {"1080p30", 0x03},
                        {"1080p25", 0x0D}, {"1080p24", 0x05}, {"720p60", 0x0E},  {"720p50", 0x06}};
  start();
  auto* dialog = open<SwitcherSetupDialog>();
  QComboBox* list = dialog->resolution_list();
  ASSERT_EQ(list->count(), 9);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(list->itemText(i), items[i].text);
    ASSERT_TRUE(click_list_item(list, i)) << i;
  }
  const auto sent = payloads_of(code::kOutputResolution, 9);
  ASSERT_EQ(sent.size(), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(sent[i], Bytes{items[i].code}) << items[i].text;
}

TEST_F(SwitcherConfigureDialog, RatesStepByATenthAndStopAtTheirEnds) {
  start();
  auto* dialog = open<SwitcherSetupDialog>();
  for (int r = 1; r <= 3; ++r) EXPECT_EQ(dialog->rate_edit(r)->text(), "0.1") << r;

  QTest::mouseClick(dialog->rate_button(2, true), Qt::LeftButton);
  EXPECT_EQ(dialog->rate_edit(2)->text(), "0.2");
  QTest::mouseClick(dialog->rate_button(1, false), Qt::LeftButton);  // at 0.1: nothing
  EXPECT_EQ(dialog->rate_edit(1)->text(), "0.1");
  dialog->rate_edit(3)->setText("9.9");
  QTest::mouseClick(dialog->rate_button(3, true), Qt::LeftButton);  // at 9.9: nothing
  EXPECT_EQ(dialog->rate_edit(3)->text(), "9.9");
  dialog->rate_edit(1)->setText("1.0");
  QTest::mouseClick(dialog->rate_button(1, false), Qt::LeftButton);
  EXPECT_EQ(dialog->rate_edit(1)->text(), "0.9");
  QTest::mouseClick(dialog->rate_button(3, false), Qt::LeftButton);
  EXPECT_EQ(dialog->rate_edit(3)->text(), "9.8");

  const auto rates = wait_for_code(code::kSliderRate, 3);
  ASSERT_EQ(rates.size(), 3u);
  EXPECT_EQ(rates[0].bytes().size(), 23u);
  const auto sent = payloads_of(code::kSliderRate, 3);
  EXPECT_EQ(sent, (std::vector<Bytes>{{0x02, 0xC8, 0x00}, {0x01, 0x84, 0x03}, {0x03, 0x48, 0x26}}));
  EXPECT_EQ(frames().size(), 3u) << "the refused steps sent nothing";
}

TEST_F(SwitcherConfigureDialog, WindowInputsSendTheWindowAndTheSourceIndex) {
  start();
  auto* dialog = open<SwitcherSetupDialog>();
  EXPECT_EQ(dialog->window_input_list(1)->itemText(0), "Cam_01");
  EXPECT_EQ(dialog->window_input_list(1)->itemText(10), "MP");
  ASSERT_TRUE(click_list_item(dialog->window_input_list(8), 10));
  ASSERT_TRUE(click_list_item(dialog->window_input_list(1), 2));
  EXPECT_EQ(payloads_of(code::kWindowInput, 2), (std::vector<Bytes>{{0x08, 0x0A}, {0x01, 0x02}}));
}

TEST_F(SwitcherConfigureDialog, EnterEscapeAndTheCloseBoxOnlyHideIt) {
  start();
  auto* dialog = open<SwitcherSetupDialog>();
  EXPECT_EQ(dialog->windowTitle(), "Switcher Configure");
  EXPECT_FALSE(dialog->isModal());
  EXPECT_TRUE(dialog->isWindow());
  QTest::mouseClick(dialog->rate_button(1, true), Qt::LeftButton);
  const QPointer<SwitcherSetupDialog> alive(dialog);

  dialog->rate_button(1, true)->setFocus();
  QTest::keyClick(dialog->rate_button(1, true), Qt::Key_Return);
  EXPECT_TRUE(dialog->isHidden()) << "Enter hides rather than pressing the focused button";
  dialog->show();
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog->isHidden());
  dialog->show();
  dialog->close();
  EXPECT_TRUE(dialog->isHidden());

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(alive.isNull()) << "kept for the next showing";
  dialog->show();
  EXPECT_EQ(dialog->rate_edit(1)->text(), "0.2");
  EXPECT_EQ(payloads_of(code::kSliderRate).size(), 1u);
}

using SwitcherCameraNames = SwitcherSettingsFixture;

struct NameCase {
  const char* answer;  // the simulated switcher's names= switch
  const char* outcome;
};

TEST_F(SwitcherCameraNames, CamForCameraTwoAsSeenFromTheDialog) {
  const NameCase cases[] = {
      {"accept", "send ok \n"},
      {"refuse", "send error \n"},
      {"silent", "wait time over \n"},
  };
  const Bytes worked = {0xA5, 0x6C, 0x22, 0x00, 0xA5, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0xA6, 0x02, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00,
                        0x01, 0x43, 0x00, 0x41, 0x00, 0x4D, 0x00, 0x57, 0x03, 0xAE};
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.answer);
    TearDown();
    start(std::string(",names=") + c.answer);
    auto* dialog = open<CameraNamesDialog>();
    dialog->name_edit(1)->setText("CAM");
    diagnostics.clear();
    QTest::mouseClick(dialog->set_button(1), Qt::LeftButton);
    EXPECT_EQ(diagnostics.lines(), (std::vector<std::string>{c.outcome, "read over \n"}));
    EXPECT_EQ(context->camera_names()[1], u"CAM") << "stored whatever the answer";
    const auto names = wait_for_code(code::kCameraName);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].bytes(), worked);
  }
}

TEST_F(SwitcherCameraNames, MpOneWithAnEmptyFieldAndTheTenCharacterLimit) {
  start();
  auto* dialog = open<CameraNamesDialog>();
  EXPECT_EQ(dialog->windowTitle(), "Switcher UMD");
  QTest::mouseClick(dialog->set_button(10), Qt::LeftButton);
  const auto names = wait_for_code(code::kCameraName);
  ASSERT_EQ(names.size(), 1u);
  const Bytes frame = names[0].bytes();
  EXPECT_EQ(frame.size(), 28u);
  EXPECT_EQ(frame[frame::kPayloadOffset], 11);

  QLineEdit* edit = dialog->name_edit(0);
  edit->setFocus();
  QTest::keyClicks(edit, "ABCDEFGHIJKL");
  EXPECT_EQ(edit->text(), "ABCDEFGHIJ");
  EXPECT_TRUE(dialog->isVisible()) << "typing does not hide it";
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(dialog->isHidden());
  EXPECT_EQ(frames().size(), 1u) << "only Set sends";
}

}  // namespace
}  // namespace vela::test
