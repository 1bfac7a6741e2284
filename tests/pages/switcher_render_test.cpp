// Pictures of the switcher page for a person to look at ($VELA_RENDER_DIR).
#include <QDialog>
#include <QDir>

#include "switcher_fixture.h"

namespace vela::test {
namespace {

using SwitcherPageRender = SwitcherPageFixture;

TEST_F(SwitcherPageRender, PageWithEachSettingsSubPage) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start();
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  press(1033);  // program 2
  press(1113);  // preview 5
  EXPECT_TRUE(page->grab().save(dir + "/switcher-page.png"));

  press(1144);  // KEY 1
  press(1134);  // ON AIR
  EXPECT_TRUE(page->grab().save(dir + "/switcher-page-luma-key.png"));
  press(1145);  // KEY 2
  EXPECT_TRUE(page->grab().save(dir + "/switcher-page-chroma-key.png"));
  press(1131);  // PIP
  press(1152);  // FTB
  page->on_ftb_blink();
  page->on_ftb_blink();
  EXPECT_TRUE(page->grab().save(dir + "/switcher-page-pip.png"));
  press(1132);  // WIPE
  EXPECT_TRUE(page->grab().save(dir + "/switcher-page-wipe.png"));

  press(1039);
  EXPECT_TRUE(page->configuration_dialog()->grab().save(dir + "/switcher-configuration.png"));
  press(1210);
  EXPECT_TRUE(page->camera_names_dialog()->grab().save(dir + "/switcher-camera-names.png"));
}

}  // namespace
}  // namespace vela::test
