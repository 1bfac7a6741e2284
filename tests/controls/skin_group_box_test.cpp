#include "gui_test_environment.h"
#include "skin_group_box.h"
#include "pixel_probe.h"

#include <gtest/gtest.h>

using vela::test::rgb_at;

namespace {

const QColor blue(0, 0, 200);

class PlainBackdrop : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), blue); }
};

class GroupBoxOnBlue : public ::testing::Test {
 protected:
  void SetUp() override {
    backdrop.resize(400, 260);
    box = new SkinGroupBox(&backdrop);
    box->setGeometry(5, 5, 300, 200);
    QFont font = box->font();
    font.setPixelSize(14);
    box->setFont(font);
  }
  // The box alone: only what it draws itself, over the window colour.
  QImage shot() { return vela::test::render(*box); }
  // The box as it appears on its parent, in the box's coordinates.
  QImage on_parent() { return vela::test::render(backdrop).copy(box->geometry()); }

  PlainBackdrop backdrop;
  SkinGroupBox* box = nullptr;
};

const QRgb frame = SkinGroupBox::frame_rgb;
const QRgb caption = SkinGroupBox::caption_rgb;

TEST_F(GroupBoxOnBlue, FrameRunsFromTwoEightToEightShortOfTheFarSides) {
  const QImage s = on_parent();
  const int w = 300, h = 200;
  // On the four straight sides, clear of the rounded corners.
  EXPECT_EQ(rgb_at(s, w / 2, 8), frame);
  EXPECT_EQ(rgb_at(s, w / 2, h - 9), frame);
  EXPECT_EQ(rgb_at(s, 2, h / 2), frame);
  EXPECT_EQ(rgb_at(s, w - 9, h / 2), frame);
  // Nothing outside the frame and nothing filled inside: the background shows.
  for (const QPoint p : {QPoint(1, h / 2), QPoint(w - 8, h / 2), QPoint(w / 2, 7), QPoint(w / 2, h - 8),
                         QPoint(w / 2, h / 2), QPoint(2, 8)})
    EXPECT_EQ(rgb_at(s, p.x(), p.y()), blue.rgb()) << p.x() << "," << p.y();
}

TEST_F(GroupBoxOnBlue, CaptionIsNotCrossedByTheFrameLine) {
  box->set_text(QStringLiteral("INPUT SELECTION"));
  const QImage s = shot();
  const QRect text = box->caption_rect();
  ASSERT_EQ(text.topLeft(), SkinGroupBox::caption_origin);
  ASSERT_GT(text.bottom(), 8);  // the caption does straddle the top line

  auto is = [](QRgb c) { return [c](QRgb px) { return px == (c | 0xff000000u); }; };
  EXPECT_GT(vela::test::count_pixels(s, text, is(caption)), 10) << "caption drawn";
  EXPECT_GT(vela::test::count_pixels(s, text, is(blue.rgb())), 20) << "copied background under it";
  EXPECT_EQ(vela::test::count_pixels(s, text, is(frame)), 0) << "frame line crosses the caption";
  // Right of the caption the top line continues.
  for (int x = text.right() + 2; x < 300 - 8 - 7; ++x) ASSERT_EQ(rgb_at(s, x, 8), frame) << x;
}

TEST_F(GroupBoxOnBlue, FrameLineWithoutACaptionIsUnbroken) {
  const QImage s = on_parent();
  for (int x = 2 + 7; x < 300 - 8 - 7; ++x) ASSERT_EQ(rgb_at(s, x, 8), frame) << x;
}

}  // namespace
