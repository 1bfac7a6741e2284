#include "gui_test_environment.h"
#include "pixel_probe.h"
#include "shade_button.h"

#include <gtest/gtest.h>

using vela::test::rgb_at;

namespace {

int lightness(QRgb px) { return qRed(px) + qGreen(px) + qBlue(px); }

class ShadedButton : public ::testing::Test {
 protected:
  void SetUp() override {
    QPalette pal = button.palette();
    pal.setColor(QPalette::Light, light);
    pal.setColor(QPalette::Button, face);
    pal.setColor(QPalette::Dark, shadow);
    button.setPalette(pal);
    button.resize(90, 40);
    button.set_draw_border(false);
  }

  const QColor light{250, 250, 250};
  const QColor face{120, 130, 140};
  const QColor shadow{20, 30, 40};
  ShadeButton button;
};

TEST_F(ShadedButton, ShadeBuildsGradientsOfTheButtonSizeIn128StepsFromHighlightToShadow) {
  EXPECT_FALSE(button.has_shade());
  button.set_shade();
  ASSERT_TRUE(button.has_shade());
  const SkinImage& h = button.shade(ShadeButton::shade_horizontal);
  const SkinImage& v = button.shade(ShadeButton::shade_vertical);
  const SkinImage& full = button.shade(ShadeButton::shade_normal);
  EXPECT_EQ(QSize(h.width(), h.height()), QSize(90, 1));
  EXPECT_EQ(QSize(v.width(), v.height()), QSize(1, 40));
  EXPECT_EQ(QSize(full.width(), full.height()), QSize(90, 40));
  EXPECT_EQ(full.image().format(), QImage::Format_Indexed8);

  EXPECT_EQ(h.palette_colour(0), light);
  EXPECT_EQ(h.palette_colour(ShadeButton::shade_steps - 1), shadow);
  EXPECT_EQ(h.palette_colour(ShadeButton::shade_steps / 2), face);
  EXPECT_EQ(h.pixel_index(0, 0), 0);
  EXPECT_EQ(h.pixel_index(89, 0), ShadeButton::shade_steps - 1);
  EXPECT_EQ(v.pixel_index(0, 39), ShadeButton::shade_steps - 1);
  for (int x = 1; x < 90; ++x) ASSERT_GE(h.pixel_index(x, 0), h.pixel_index(x - 1, 0));
}

TEST_F(ShadedButton, FaceIsLitFromAboveAndReversedWhilePressed) {
  button.set_shade();
  const QImage up = vela::test::render(button);
  EXPECT_GT(lightness(rgb_at(up, 45, 1)), lightness(rgb_at(up, 45, 38)) + 200);
  button.setDown(true);
  const QImage down = vela::test::render(button);
  EXPECT_LT(lightness(rgb_at(down, 45, 1)), lightness(rgb_at(down, 45, 38)) - 200);
}

}  // namespace
