// The lever and Auto on the switcher page against the simulated switcher:
// what reaches the switcher, when program and preview swap, which pictures
// light, and how the page opens and closes around its worker.
#include <QLineEdit>

#include "switcher/switcher_bitmaps.h"
#include "switcher_lever_fixture.h"

namespace vela::test {
namespace {

namespace bitmap = switcher_bitmap;

constexpr int kAuto = 1118, kFtb = 1152, kPreview6 = 1114;

using SwitcherLever = SwitcherLeverFixture;

void expect_rising_to_128(const std::vector<int>& values) {
  ASSERT_FALSE(values.empty());
  EXPECT_EQ(values.front(), 1) << "a press at rest sends 1";
  EXPECT_EQ(values.back(), 128);
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_GT(values.size(), 2u) << "positions on the way";
}

TEST_F(SwitcherLever, PushAndPullBackEachCompleteATransition) {
  start();
  context->switcher().program_source = 2;
  context->switcher().preview_source = 5;
  open_shown_page();
  ASSERT_TRUE(page->lever_panel()->worker_running());
  EXPECT_EQ(lever().get_pos(), 129);

  drag_lever(0);
  ASSERT_TRUE(wait_for_direction(0));
  expect_rising_to_128(values_of(lever_commands(), 1));
  EXPECT_EQ(context->switcher().program_source, 5);
  EXPECT_EQ(context->switcher().preview_source, 2);
  EXPECT_EQ(context->switcher().transition_running, 0);
  EXPECT_EQ(picture(1108), bitmap::bus_red(5));
  EXPECT_EQ(picture(1035), bitmap::bus_green(2));
  EXPECT_EQ(picture(kAuto), bitmap::auto_normal);
  EXPECT_TRUE(page->button(kFtb)->hasFocus()) << "the click hands the focus to FTB";

  const std::size_t pushed = lever_commands().size();
  drag_lever(129);
  ASSERT_TRUE(wait_for_direction(1));
  const std::vector<std::string> all = lever_commands();
  expect_rising_to_128(values_of(std::vector<std::string>(all.begin() + pushed, all.end()), 0));
  EXPECT_EQ(context->switcher().program_source, 2);
  EXPECT_EQ(context->switcher().preview_source, 5);
}

TEST_F(SwitcherLever, HalfWayKeepsTheTransitionRunningAndTheStartEndEndsItWithoutASwap) {
  start();
  context->switcher().program_source = 1;
  context->switcher().preview_source = 3;
  open_shown_page();
  drag_lever(64);
  ASSERT_TRUE(QTest::qWaitFor([&] { return context->switcher().transition_running == 1; }, 10000));
  EXPECT_EQ(picture(kAuto), bitmap::auto_lit);
  EXPECT_EQ(picture(1012), bitmap::bus_red(3));
  // A new preview chosen now is lit red, and the push ends it on program.
  press(kPreview6);
  EXPECT_EQ(picture(kPreview6), bitmap::bus_red(6));

  drag_lever(129);
  ASSERT_TRUE(QTest::qWaitFor([&] { return context->switcher().transition_running == 0; }, 10000));
  std::vector<std::string> commands = lever_commands();
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.back(), "82 01 01");
  EXPECT_EQ(context->switcher().transition_direction, 1);
  EXPECT_EQ(context->switcher().program_source, 1);
  EXPECT_EQ(picture(kPreview6), bitmap::bus_green(6));
  EXPECT_EQ(picture(kAuto), bitmap::auto_normal);

  drag_lever(0);
  ASSERT_TRUE(wait_for_direction(0));
  EXPECT_EQ(context->switcher().program_source, 6);
  EXPECT_EQ(context->switcher().preview_source, 1);
}

TEST_F(SwitcherLever, AutoRunsTheTypedDurationAndCompletesLikeTheHand) {
  start();
  context->switcher().program_source = 4;
  context->switcher().preview_source = 7;
  open_shown_page();
  press(kAuto);
  EXPECT_EQ(page->lever_panel()->auto_period_ms(), 15) << "02:00";
  EXPECT_EQ(picture(kAuto), bitmap::auto_lit);
  ASSERT_TRUE(wait_for_direction(0));
  EXPECT_FALSE(page->lever_panel()->auto_running());
  const std::vector<std::string> commands = lever_commands();
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.front(), "84") << "Auto is sent before the lever moves";
  const std::vector<int> values = values_of(commands, 1);
  EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  EXPECT_EQ(values.back(), 128);
  EXPECT_EQ(lever().get_pos(), 0);
  EXPECT_EQ(context->switcher().program_source, 7);
  EXPECT_EQ(picture(kAuto), bitmap::auto_normal);

  // "250" typed and entered reads 2.5 s; Auto runs that.
  QLineEdit* edit = page->duration_edit();
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "250");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "02:50");
  press(kAuto);
  EXPECT_EQ(page->lever_panel()->auto_period_ms(), 2500 / 128);
  // The hand takes over from a running Auto.
  QTest::mousePress(&lever(), Qt::LeftButton, {}, QPoint(kLeverX, lever().pixel_of(lever().get_pos())));
  EXPECT_FALSE(page->lever_panel()->auto_running());
  QTest::mouseRelease(&lever(), Qt::LeftButton, {}, QPoint(kLeverX, lever().pixel_of(lever().get_pos())));
}

TEST_F(SwitcherLever, DurationFieldStopsTypingAtFourCharacters) {
  start();
  open_shown_page();
  QLineEdit* edit = page->duration_edit();
  EXPECT_EQ(edit->text(), "02:00");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "123456");
  EXPECT_EQ(edit->text(), "1234");
  QTest::keyClick(edit, Qt::Key_Enter);
  EXPECT_EQ(edit->text(), "12:34");
  EXPECT_TRUE(page->isVisible()) << "Enter does not close the page";
}

TEST_F(SwitcherLever, ReopenedAfterAPushStartsAtTheNewStartEndAndSendsNothing) {
  start();
  context->switcher().transition_direction = 0;
  context->switcher().transition_running = 1;
  context->switcher().program_source = 1;
  context->switcher().preview_source = 2;
  open_shown_page();
  EXPECT_EQ(lever().get_pos(), 0);
  EXPECT_EQ(context->switcher().transition_running, 0);
  EXPECT_EQ(picture(kAuto), bitmap::auto_normal);
  QTest::qWait(50);
  EXPECT_TRUE(lever_commands().empty());

  drag_lever(129);
  ASSERT_TRUE(wait_for_direction(1));
  expect_rising_to_128(values_of(lever_commands(), 0));
  EXPECT_EQ(context->switcher().program_source, 2);
}

TEST_F(SwitcherLever, CloseEndsTheWorkerBeforeClosingTheSocket) {
  start();
  open_shown_page();
  page->close_page();
  const std::vector<std::string> lines = diagnostics.lines();
  const auto exit_line = std::find(lines.begin(), lines.end(),
                                   "*************switcher thread 2 exit *****************************************\n");
  const auto close_line = std::find(lines.begin(), lines.end(), "close the switcher socket \n");
  ASSERT_NE(exit_line, lines.end());
  ASSERT_NE(close_line, lines.end());
  EXPECT_LT(exit_line - lines.begin(), close_line - lines.begin());
}

}  // namespace
}  // namespace vela::test
