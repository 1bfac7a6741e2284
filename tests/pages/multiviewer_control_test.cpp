// The multiviewer page against the simulated device: read-back on opening,
// the Control sub-page's layout and window sources on the wire.
#include <QLabel>

#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

using MultiviewerPageTest = MultiviewerPageFixture;

TEST_F(MultiviewerPageTest, OpeningReadsTheDeviceStateAndShowsStatusFirst) {
  start();
  open_page();
  EXPECT_EQ(page->shown_sub_page(), static_cast<int>(MultiviewerSubPage::Status));
  EXPECT_NE(sub_page<MultiviewerStatusTab>(), nullptr);
  ASSERT_EQ(wait_for_code(mv::code::kState).size(), 1u);
  const MultiviewerState& state = context->multiviewer();
  EXPECT_EQ(state.state_read, 1);
  EXPECT_EQ(state.m_layout_window_count, 16) << "the simulated 16-window device starts in its 16-window layout";
  EXPECT_EQ(state.m_settings.mode_type, 6);
  EXPECT_EQ(state.m_window_rect[15].number, 16) << "the preview was recomputed";
  EXPECT_EQ(diagnostics.count("wait time over \n"), 0u);
}

TEST_F(MultiviewerPageTest, OpeningControlMarksTheDeviceLayoutAndSendsNothing) {
  start();
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(control->layout_selection(), 7);
  EXPECT_EQ(control->layout_button(6)->shown_bitmap_id(), multiviewer_bitmap::layout_selected(6));
  EXPECT_EQ(control->layout_button(0)->shown_bitmap_id(), multiviewer_bitmap::layout_normal(0));
  for (int w = 1; w <= 16; ++w) {
    EXPECT_TRUE(control->source_list(w)->isEnabled()) << w;
    EXPECT_EQ(control->source_list(w)->count(), 16);
  }
  EXPECT_EQ(control->source_list(1)->itemText(15), "SDI 16");
  // Nothing but the read-back reached the device.
  QTest::qWait(100);
  for (const LogRecord& r : SimLog(sim->log_path()).records()) EXPECT_EQ(r.code, mv::code::kState);
}

TEST_F(MultiviewerPageTest, PressingTheFourWindowLayoutSendsItAndEnablesWindowsOneToFour) {
  start();
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  QTest::mouseClick(control->layout_button(1), Qt::LeftButton);

  const auto layouts = wait_for_code(mv::code::kLayout);
  ASSERT_EQ(layouts.size(), 1u);
  const Bytes frame = layouts[0].bytes();
  ASSERT_EQ(frame.size(), 21u);
  EXPECT_EQ(frame[17], 0x04);
  EXPECT_EQ(frame[4], device_type::kMultiviewer16);
  EXPECT_EQ(frame[6], frame::kLinkUdp);
  const MultiviewerState& state = context->multiviewer();
  EXPECT_EQ(state.m_settings.mode_type, 1);
  EXPECT_EQ(state.m_layout_window_count, 4);
  EXPECT_EQ(state.m_window_rect[3].width, 360) << "the preview follows";
  EXPECT_EQ(state.m_window_rect[4].width, 0);
  for (int w = 1; w <= 16; ++w) {
    EXPECT_EQ(control->source_list(w)->isEnabled(), w <= 4) << w;
    EXPECT_EQ(control->window_caption(w)->isEnabled(), w <= 4) << w;
  }
  EXPECT_EQ(control->layout_button(1)->shown_bitmap_id(), multiviewer_bitmap::layout_selected(1));
  EXPECT_EQ(control->layout_button(6)->shown_bitmap_id(), multiviewer_bitmap::layout_normal(6));

  // The marked button again: nothing more is sent.
  QTest::mouseClick(control->layout_button(1), Qt::LeftButton);
  QTest::qWait(100);
  EXPECT_EQ(frames_with_code(mv::code::kLayout).size(), 1u);
}

TEST_F(MultiviewerPageTest, AWindowSourceGoesOutAndComesBackOnReopening) {
  start();
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  ASSERT_TRUE(click_list_item(sub_page<MultiviewerLayoutTab>()->source_list(5), 2));
  const auto sources = wait_for_code(mv::code::kWindowSource);
  ASSERT_EQ(sources.size(), 1u);
  const Bytes frame = sources[0].bytes();
  ASSERT_EQ(frame.size(), 22u);
  EXPECT_EQ(frame[17], 3);
  EXPECT_EQ(frame[18], 5);
  EXPECT_EQ(context->multiviewer().m_window_source[4], 3);
  EXPECT_EQ(context->multiviewer().m_source_window, 5);

  choose_sub_page(MultiviewerSubPage::Status);
  choose_sub_page(MultiviewerSubPage::Control);
  EXPECT_EQ(sub_page<MultiviewerLayoutTab>()->source_list(5)->currentText(), "SDI 3");
}

TEST_F(MultiviewerPageTest, LayoutAndSourcesSetOnThePageComeBackFromTheDevice) {
  start();
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  QTest::mouseClick(control->layout_button(2), Qt::LeftButton);
  ASSERT_TRUE(click_list_item(control->source_list(2), 10));
  wait_for_code(mv::code::kWindowSource);

  // Forget what the page set, then open it again: the device tells.
  context->multiviewer() = MultiviewerState{};
  open_page();
  EXPECT_EQ(wait_for_code(mv::code::kState, 2).size(), 2u);
  EXPECT_EQ(context->multiviewer().m_settings.mode_type, 2);
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 6);
  EXPECT_EQ(context->multiviewer().m_window_source[1], 11);
  choose_sub_page(MultiviewerSubPage::Control);
  control = sub_page<MultiviewerLayoutTab>();
  EXPECT_EQ(control->layout_selection(), 3);
  EXPECT_EQ(control->source_list(2)->currentText(), "SDI 11");
}

TEST_F(MultiviewerPageTest, TheTenWindowModelHidesWhatItHasNot) {
  start(device_type::kMultiviewer10);
  open_page();
  auto* status = sub_page<MultiviewerStatusTab>();
  for (int number = 11; number <= 16; ++number) {
    EXPECT_TRUE(find_control<QLabel>(status, 1237 + number)->isHidden()) << number;
  }
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  EXPECT_TRUE(control->layout_button(6)->isHidden());
  EXPECT_FALSE(control->layout_button(5)->isHidden());
  for (int w = 1; w <= 16; ++w) {
    EXPECT_EQ(control->source_list(w)->isHidden(), w > 10) << w;
    EXPECT_EQ(control->window_caption(w)->isHidden(), w > 10) << w;
    EXPECT_EQ(control->source_list(w)->isEnabled(), w <= context->multiviewer().m_layout_window_count) << w;
  }
}

TEST_F(MultiviewerPageTest, BeforeAnyReadBackALockedDeviceRefusesLayouts) {
  // Serial mode with the port closed: no read-back happens, nothing is sent.
  make_context({}, device_type::kMultiviewer16);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  context->multiviewer().m_settings.lock_state = 1;
  context->multiviewer().m_settings.mode_type = 6;
  open_page();
  EXPECT_EQ(context->multiviewer().state_read, 0);
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  EXPECT_EQ(control->layout_selection(), MultiviewerLayoutTab::kNoSelection);
  QTest::mouseClick(control->layout_button(1), Qt::LeftButton);
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 4) << "the button's count is taken all the same";
  EXPECT_EQ(control->layout_selection(), MultiviewerLayoutTab::kNoSelection);
  EXPECT_EQ(control->layout_button(1)->shown_bitmap_id(), multiviewer_bitmap::layout_normal(1));
  EXPECT_EQ(context->multiviewer().m_settings.mode_type, 6);
}

TEST_F(MultiviewerPageTest, OverAClosedSerialPortTheLayoutIsStoredButThePreviewWaits) {
  make_context({}, device_type::kMultiviewer16);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  context->multiviewer().m_settings.mode_type = 6;
  context->multiviewer().m_layout_window_count = 16;
  open_page();
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  ASSERT_EQ(control->layout_selection(), 7);
  QTest::mouseClick(control->layout_button(0), Qt::LeftButton);
  EXPECT_EQ(context->multiviewer().m_settings.mode_type, 0);
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 1);
  EXPECT_EQ(context->multiviewer().m_window_rect[15].number, 16) << "no recomputation after a dropped frame";
}

}  // namespace
}  // namespace vela::test
