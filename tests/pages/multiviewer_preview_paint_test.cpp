// What the preview shows, pixel by pixel, and the pictures of the page for a
// person to look at ($VELA_RENDER_DIR).
#include <QDir>
#include <QImage>

#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer/multiviewer_preview_painter.h"
#include "multiviewer_fixture.h"
#include "multiviewer_preview.h"
#include "multiviewer_protocol.h"
#include "skin_style.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

QPoint centre(const PreviewBox& b) { return QPoint(b.x + b.width / 2, b.y + b.height / 2); }

MultiviewerState sixteen_windows() {
  MultiviewerState state;
  state.m_settings.mode_type = 6;
  for (int w = 0; w < 16; ++w) state.m_settings.label_back_colour[w] = 0;
  state.m_settings.label_back_colour[2] = 6;
  state.m_settings.resolution_back_colour[0] = 2;
  mv::recompute_preview(state);
  return state;
}

TEST(MultiviewerPreviewPaint, BoxesAppearOnlyWhileSwitchedOn) {
  MultiviewerState state = sixteen_windows();
  QImage image = make_preview_image();
  paint_multiviewer_preview(image, state);
  const PreviewWindow& w1 = state.m_window_rect[0];
  EXPECT_EQ(image.pixelColor(w1.x, w1.y), style::preview::window_rim);
  EXPECT_EQ(image.pixelColor(w1.x + 10, w1.y + 10), style::preview::window_inside);
  EXPECT_EQ(image.pixelColor(centre(state.m_label_rect[2])), style::preview::window_inside) << "labels are off";

  state.set_label_display(1);
  state.set_meter_display(1);
  state.set_resolution_display(1);
  paint_multiviewer_preview(image, state);
  EXPECT_EQ(image.pixelColor(centre(state.m_label_rect[2])), QColor(255, 255, 0));
  EXPECT_EQ(image.pixelColor(centre(state.m_meter_rect[5])), style::preview::meter);
  EXPECT_EQ(image.pixelColor(centre(state.m_resolution_rect[0])), QColor(255, 0, 0));
}

TEST(MultiviewerPreviewPaint, EightWindowsLeaveTheTopAndBottomGrey) {
  MultiviewerState state;
  state.m_settings.mode_type = 3;
  mv::recompute_preview(state);
  QImage image = make_preview_image();
  paint_multiviewer_preview(image, state);
  for (const int y : {0, 119, 360, 479}) EXPECT_EQ(image.pixelColor(300, y), style::preview::ground) << y;
  EXPECT_EQ(image.pixelColor(300, 120), style::preview::window_rim);
  state.m_settings.mode_type = 9;
  mv::recompute_preview(state);
  paint_multiviewer_preview(image, state);
  EXPECT_EQ(image.pixelColor(300, 200), style::preview::ground) << "no layout, no windows";
}

using MultiviewerPageRender = MultiviewerPageFixture;

TEST_F(MultiviewerPageRender, StatusAndControlPictures) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start(device_type::kMultiviewer16, ",signal=1-12");
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  // Wait for one status poll, so the lamps show what the device reports.
  sub_page<MultiviewerStatusTab>()->on_timer();
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-status.png"));
  choose_sub_page(MultiviewerSubPage::Control);
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-control.png"));
}

TEST_F(MultiviewerPageRender, UmdColorAndSettingPictures) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start(device_type::kMultiviewer16, ",signal=1-12");
  // A device with a long label, coloured labels and resolution labels shown.
  ASSERT_TRUE(context->m_link.send_command(mv::code::kLabelText, mv::label_text_payload(2, u"STUDIO-A CAM-12X"), true));
  ASSERT_TRUE(context->m_link.send_command(mv::code::kLabelBackColour, mv::colour_payload(3, 6), true));
  ASSERT_TRUE(context->m_link.send_command(mv::code::kLabelTextColour, mv::colour_payload(3, 0), true));
  ASSERT_TRUE(context->m_link.send_command(mv::code::kResolutionLabelSwitch, mv::switch_payload(1), true));
  wait_for_code(mv::code::kResolutionLabelSwitch);
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  for (const auto& [n, name] :
       {std::pair{MultiviewerSubPage::Umd, "umd"}, std::pair{MultiviewerSubPage::Color, "color"},
        std::pair{MultiviewerSubPage::Setting, "setting"}}) {
    choose_sub_page(n);
    EXPECT_TRUE(page->grab().save(dir + "/multiviewer-" + name + ".png"));
  }
}

TEST_F(MultiviewerPageRender, TenWindowModelPicture) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start(device_type::kMultiviewer10, ",signal=1-3,5-10");
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-status-10.png"));
  choose_sub_page(MultiviewerSubPage::Control);
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-control-10.png"));
  choose_sub_page(MultiviewerSubPage::Umd);
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-umd-10.png"));
  choose_sub_page(MultiviewerSubPage::Setting);
  EXPECT_TRUE(page->grab().save(dir + "/multiviewer-setting-10.png"));
}

}  // namespace
}  // namespace vela::test
