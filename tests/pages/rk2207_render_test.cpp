// What the show-mode preview shows, pixel by pixel, and the pictures of the
// RK2207 and LM5530 pages for a person to look at ($VELA_RENDER_DIR).
#include <QDir>
#include <QImage>

#include "lm5530/lm5530_page.h"
#include "rk2207/rk2207_page.h"
#include "rk2207/show_mode_pictures.h"
#include "rk2207/show_mode_preview.h"
#include "rk2207_fixture.h"
#include "rk2207_protocol.h"
#include "rk2207_show_modes.h"
#include "skin.h"
#include "skin_style.h"

namespace vela::test {
namespace {

namespace rk = rk2207;

bool has_pixel(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

TEST(ShowModePreviewPaint, WindowsAreFramedAndNumberedInTableOrder) {
  QImage canvas = make_show_mode_canvas();
  paint_show_mode_preview(canvas, rk::show_mode_slots(7));
  EXPECT_EQ(canvas.pixelColor(0, 0), style::preview::window_rim);
  EXPECT_EQ(canvas.pixelColor(1, 479), style::preview::window_rim);
  EXPECT_EQ(canvas.pixelColor(2, 2), style::preview::window_inside);
  // The small window lies over the full one.
  EXPECT_EQ(canvas.pixelColor(500, 30), style::preview::window_rim);
  EXPECT_EQ(canvas.pixelColor(520, 40), style::preview::window_inside);
  // Numbers in light grey from (x + w/2 - 5, y + h/2 - 5).
  EXPECT_TRUE(has_pixel(canvas, QRect(355, 235, 14, 18), style::preview::slot_label));
  EXPECT_TRUE(has_pixel(canvas, QRect(585, 85, 14, 18), style::preview::slot_label));
  EXPECT_FALSE(has_pixel(canvas, QRect(300, 300, 40, 40), style::preview::slot_label));

  paint_show_mode_preview(canvas, rk::show_mode_slots(17));
  EXPECT_EQ(canvas.pixelColor(0, 0), style::preview::ground);
  EXPECT_EQ(canvas.pixelColor(360, 240), style::preview::ground);
}

TEST(ShowModePictures, EveryModeKeyShowsItsOwnArrangement) {
  register_show_mode_pictures();
  EXPECT_TRUE(Skin::has(show_mode_picture::background));
  std::vector<QImage> normal;
  for (int m = 0; m < rk::kModeButtonCount; ++m) {
    const QImage out = Skin::pixmap(show_mode_picture::normal(m)).toImage();
    const QImage in = Skin::pixmap(show_mode_picture::selected(m)).toImage();
    ASSERT_EQ(out.size(), show_mode_picture::size) << m;
    EXPECT_NE(out, in) << "mode " << m << ": selected looks like normal";
    for (std::size_t other = 0; other < normal.size(); ++other) {
      EXPECT_NE(out, normal[other]) << "modes " << other << " and " << m << " look alike";
    }
    normal.push_back(out);
  }
}

using Rk2207PageRender = ShowModePageFixture<Rk2207Page>;
using Lm5530PageRender = ShowModePageFixture<Lm5530Page>;

QString render_dir() {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (!dir.isEmpty()) QDir().mkpath(dir);
  return dir;
}

TEST_F(Rk2207PageRender, PictureInPictureMode) {
  const QString dir = render_dir();
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  start_device(device_type::kRk2207);
  ASSERT_TRUE(context->m_link.send_command(rk::code::kShowMode, rk::show_mode_payload(5), true));
  wait_for_code(rk::code::kShowMode);
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  EXPECT_TRUE(page->grab().save(dir + "/rk2207-mode5.png"));
  press(0);
  EXPECT_TRUE(page->grab().save(dir + "/rk2207-quad.png"));
}

TEST_F(Lm5530PageRender, SideBySideMode) {
  const QString dir = render_dir();
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  start_device(device_type::kLm5530);
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  EXPECT_TRUE(page->grab().save(dir + "/lm5530-opened.png"));
  press(11);
  EXPECT_TRUE(page->grab().save(dir + "/lm5530-mode11.png"));
}

}  // namespace
}  // namespace vela::test

namespace vela::test {
namespace {

// A device that never answered: no key lit, the readout and facts dashed.
TEST_F(Rk2207PageRender, DeviceThatDidNotAnswer) {
  const QString dir = render_dir();
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  start_device(device_type::kRk2207, ",silent");
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  EXPECT_TRUE(page->grab().save(dir + "/rk2207-not-known.png"));
}

}  // namespace
}  // namespace vela::test
