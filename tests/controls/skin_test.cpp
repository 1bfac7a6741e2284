#include "skin_button.h"
#include "gui_test_environment.h"
#include "pixel_probe.h"
#include "skin.h"

#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vela::Skin;
using vela::test::rgb_at;

namespace {

// Ids far above the program's own, so these tests never meet its pictures.
constexpr int test_id = 900001;
constexpr int keyed_id = 900002;
constexpr int icon_id = 900003;

class SkinRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    Skin::set_override_dir(QString());
    Skin::register_drawer(test_id, QSize(30, 20), [this](QPainter& p, QSize size) {
      ++draws;
      last_size = size;
      p.fillRect(QRect(QPoint(0, 0), size), QColor(200, 20, 20));
    });
  }
  void TearDown() override { Skin::set_override_dir(QString()); }

  int draws = 0;
  QSize last_size;
};

TEST_F(SkinRegistry, DrawsAtNaturalOrRequestedSizeAndCachesEach) {
  EXPECT_TRUE(Skin::has(test_id));
  EXPECT_EQ(Skin::natural_size(test_id), QSize(30, 20));
  EXPECT_EQ(Skin::pixmap(test_id).size(), QSize(30, 20));
  EXPECT_EQ(last_size, QSize(30, 20));
  EXPECT_EQ(Skin::pixmap(test_id, QSize(60, 10)).size(), QSize(60, 10));
  EXPECT_EQ(last_size, QSize(60, 10));
  EXPECT_EQ(draws, 2);
  Skin::pixmap(test_id);
  Skin::pixmap(test_id, QSize(60, 10));
  EXPECT_EQ(draws, 2);
}

TEST_F(SkinRegistry, UnknownIdGivesNoPicture) {
  EXPECT_FALSE(Skin::has(987654));
  EXPECT_FALSE(Skin::natural_size(987654).isValid());
  EXPECT_TRUE(Skin::pixmap(987654).isNull());
}

TEST_F(SkinRegistry, OverridePngReplacesTheDrawingUntilTheDirectoryIsCleared) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage green(16, 12, QImage::Format_RGB32);
  green.fill(QColor(10, 220, 40));
  ASSERT_TRUE(green.save(QDir(dir.path()).filePath(QStringLiteral("%1.png").arg(test_id))));

  EXPECT_EQ(rgb_at(Skin::pixmap(test_id).toImage(), 0, 0), qRgb(200, 20, 20));  // cached drawing
  Skin::set_override_dir(dir.path());
  EXPECT_EQ(Skin::natural_size(test_id), QSize(16, 12));
  const QImage file = Skin::pixmap(test_id).toImage();
  EXPECT_EQ(file.size(), QSize(16, 12));
  EXPECT_EQ(rgb_at(file, 8, 6), qRgb(10, 220, 40));
  const QImage stretched = Skin::pixmap(test_id, QSize(64, 48)).toImage();
  EXPECT_EQ(stretched.size(), QSize(64, 48));
  EXPECT_EQ(rgb_at(stretched, 32, 24), qRgb(10, 220, 40));

  // A button set up afterwards shows the file.
  SkinButton button;
  button.resize(16, 12);
  button.set_bitmap(test_id);
  EXPECT_EQ(button.bitmap_in_id(), test_id);
  EXPECT_EQ(rgb_at(vela::test::render(button), 8, 6), qRgb(10, 220, 40));

  Skin::set_override_dir(QString());
  EXPECT_EQ(Skin::natural_size(test_id), QSize(30, 20));
  EXPECT_EQ(rgb_at(Skin::pixmap(test_id).toImage(), 0, 0), qRgb(200, 20, 20));
}

TEST_F(SkinRegistry, RegisteringAgainReplacesTheCachedPicture) {
  Skin::pixmap(test_id);
  Skin::register_drawer(test_id, QSize(30, 20),
                        [](QPainter& p, QSize s) { p.fillRect(QRect(QPoint(), s), QColor(1, 2, 250)); });
  EXPECT_EQ(rgb_at(Skin::pixmap(test_id).toImage(), 3, 3), qRgb(1, 2, 250));
}

// Bitmaps keep the black-is-transparent convention whatever the drawer does:
// unpainted parts become the black key, painted black does not.
TEST(SkinBitmapConvention, UnpaintedIsTheBlackKeyAndPaintedBlackStaysVisible) {
  Skin::register_drawer(keyed_id, QSize(20, 20), [](QPainter& p, QSize) {
    p.fillRect(QRect(5, 5, 10, 10), QColor(0, 0, 0));  // a careless pure black
    p.fillRect(QRect(5, 5, 4, 4), QColor(50, 90, 130));
  });
  const QImage picture = Skin::pixmap(keyed_id).toImage();
  EXPECT_EQ(rgb_at(picture, 1, 1), qRgb(0, 0, 0));
  EXPECT_NE(rgb_at(picture, 12, 12), qRgb(0, 0, 0));
  EXPECT_EQ(rgb_at(picture, 6, 6), qRgb(50, 90, 130));

  // On a button: the unpainted corner shows the face colour, the black square does not.
  SkinButton button;
  button.resize(20, 20);
  const QColor face(70, 140, 70);
  button.set_colour(SkinButton::colour_bk_out, face);
  button.set_draw_border(false);
  button.set_bitmap(keyed_id);
  const QImage shot = vela::test::render(button);
  EXPECT_EQ(rgb_at(shot, 1, 1), face.rgb());
  EXPECT_NE(rgb_at(shot, 12, 12), face.rgb());
}

TEST(SkinIcons, IconsKeepTheirAlpha) {
  Skin::register_drawer(
      icon_id, QSize(10, 10), [](QPainter& p, QSize) { p.fillRect(QRect(0, 0, 5, 10), QColor(0, 200, 0)); },
      vela::ImageKind::icon);
  const QImage icon = Skin::pixmap(icon_id).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(icon.pixel(8, 5)), 0);
  EXPECT_EQ(icon.pixel(2, 5), qRgba(0, 200, 0, 255));
}

}  // namespace
