// The shell's skin pictures: every id the main window, the connection dialog
// and the program icon use is drawn at its natural size and keeps the
// black-is-transparent rule of button pictures.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <algorithm>
#include <map>

#include "gui_test_environment.h"
#include "about_dialog.h"
#include "main_window.h"
#include "panel_options.h"
#include "connection_dialog.h"
#include "skin.h"
#include "skin/shell_bitmaps.h"

namespace vela::test {
namespace {

struct ShellPicture {
  int id;
  QSize size;
  // Pixels closer than this to the edge may be the black key; none inside.
  int keyed_margin;
};

const ShellPicture shell_pictures[] = {
    {shell_bitmap::main_background, {1280, 720}, 0}, {shell_bitmap::connection_background, {480, 400}, 0},
    {shell_bitmap::scan_button, {138, 50}, 4},       {shell_bitmap::max_button, {34, 35}, 0},
    {shell_bitmap::min_button, {47, 35}, 0},         {shell_bitmap::close_button, {42, 35}, 0},
    {shell_bitmap::set_button, {25, 30}, 0},
};

class ShellPictures : public ::testing::TestWithParam<ShellPicture> {
 protected:
  void SetUp() override {
    Skin::set_override_dir(QString());
    register_shell_bitmaps();
  }
};

TEST_P(ShellPictures, DrawnAtNaturalSizeWithNoBlackHoleInside) {
  const ShellPicture c = GetParam();
  ASSERT_TRUE(Skin::has(c.id));
  EXPECT_EQ(Skin::natural_size(c.id), c.size);
  const QImage picture = Skin::pixmap(c.id).toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), c.size);

  const QRect inside = picture.rect().adjusted(c.keyed_margin, c.keyed_margin, -c.keyed_margin, -c.keyed_margin);
  int black = 0;
  std::map<QRgb, int> histogram;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QRgb px = picture.pixel(x, y) & 0xffffff;
      black += px == 0 ? 1 : 0;
      ++histogram[px];
    }
  int commonest = 0;
  for (const auto& [colour, n] : histogram) commonest = std::max(commonest, n);
  const int drawn = inside.width() * inside.height() - commonest;
  EXPECT_EQ(black, 0) << "pure black would show the window behind the picture";
  EXPECT_GE(drawn, 20) << "something is drawn on the plain ground";
}

INSTANTIATE_TEST_SUITE_P(Shell, ShellPictures, ::testing::ValuesIn(shell_pictures),
                         [](const auto& info) { return std::to_string(info.param.id); });

TEST(ShellIcons, StatusLampsAreRoundIconsRedWhenDisconnectedGreenWhenConnected) {
  register_shell_bitmaps();
  for (int id : {shell_bitmap::status_disconnected, shell_bitmap::status_connected, shell_bitmap::program_icon})
    ASSERT_TRUE(Skin::has(id)) << id;
  EXPECT_EQ(Skin::natural_size(shell_bitmap::status_disconnected), QSize(32, 32));
  EXPECT_EQ(Skin::natural_size(shell_bitmap::status_connected), QSize(32, 32));
  EXPECT_EQ(Skin::natural_size(shell_bitmap::program_icon), QSize(256, 256));

  const QImage off = Skin::pixmap(shell_bitmap::status_disconnected).toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage on = Skin::pixmap(shell_bitmap::status_connected).toImage().convertToFormat(QImage::Format_ARGB32);
  for (const QImage* lamp : {&off, &on}) {
    EXPECT_EQ(qAlpha(lamp->pixel(0, 0)), 0) << "corners stay transparent";
    EXPECT_EQ(qAlpha(lamp->pixel(16, 16)), 255);
  }
  // The lens just below its highlight carries the lamp colour.
  const QRgb off_lens = off.pixel(18, 20);
  const QRgb on_lens = on.pixel(18, 20);
  EXPECT_GT(qRed(off_lens), qGreen(off_lens));
  EXPECT_GT(qGreen(on_lens), qRed(on_lens));
  EXPECT_GT(qGray(on_lens), qGray(off_lens)) << "the connected lamp is the lit one";
}

// Writes the shell pictures and the assembled main window to
// $VELA_RENDER_DIR for a person to look at; skipped when it is not set.
TEST(ShellRender, WritesPicturesAndTheMainWindow) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  ASSERT_TRUE(QDir().mkpath(dir));
  register_shell_bitmaps();
  for (const ShellPicture& c : shell_pictures)
    ASSERT_TRUE(Skin::pixmap(c.id).save(QDir(dir).filePath(QStringLiteral("shell_%1.png").arg(c.id))));
  for (int id : {shell_bitmap::status_disconnected, shell_bitmap::status_connected, shell_bitmap::program_icon})
    ASSERT_TRUE(Skin::pixmap(id).save(QDir(dir).filePath(QStringLiteral("shell_%1.png").arg(id))));

  MainWindow window{PanelOptions{}};
  window.initialise();
  window.grab().save(QDir(dir).filePath(QStringLiteral("main_window_idle.png")));
  window.device_list()->addItem(QStringLiteral("Gallery  MV16  192.168.1.20"));
  window.show_configure();
  window.grab().save(QDir(dir).filePath(QStringLiteral("main_window_configure.png")));
  if (auto* dialog = window.findChild<ConnectionDialog*>())
    dialog->grab().save(QDir(dir).filePath(QStringLiteral("connection_dialog.png")));
  AboutDialog about(&window);
  about.adjustSize();
  about.grab().save(QDir(dir).filePath(QStringLiteral("about_box.png")));
}

}  // namespace
}  // namespace vela::test
