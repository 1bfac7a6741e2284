// Pictures of the matrix page for inspection; written only when
// VELA_RENDER_DIR names a directory.
#include <QComboBox>
#include <QDir>

#include "list_clicks.h"
#include "matrix_fixture.h"
#include "shade_button.h"

namespace vela::test {
namespace {

using MatrixPageRender = MatrixPageFixture;

TEST_F(MatrixPageRender, ControlAndSettingPictures) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start({"--serial", "type=0x81,id=1,name=Serial Matrix"});
  context->m_extra_serial_ports << QString::fromStdString(sim->pty_path());
  open_page();
  page->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  press_input(4);
  press_output(2);
  press_output(7);
  press(Action::kApply);
  press(Action::kLock);
  EXPECT_TRUE(page->grab().save(dir + "/matrix-control.png"));
  choose_tab(MatrixPage::kSettingTab);
  EXPECT_TRUE(page->grab().save(dir + "/matrix-setting.png"));
  MatrixConnectionTab* setting = setting_page();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  ASSERT_TRUE(click_list_item(setting->port_list(), setting->port_list()->findText(sim->pty_path().c_str())));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  EXPECT_TRUE(page->grab().save(dir + "/matrix-setting-connected.png"));
}

}  // namespace
}  // namespace vela::test
