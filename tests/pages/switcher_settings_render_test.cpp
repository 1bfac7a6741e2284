// Pictures of the switcher's settings sub-pages and dialogs, for looking at:
// written only when VELA_RENDER_DIR names a directory.
#include <QComboBox>
#include <QDir>
#include <QPushButton>

#include "skin_button.h"

#include "switcher/switcher_setup_dialog.h"
#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher/wipe_pattern_panel.h"
#include "switcher/camera_names_dialog.h"
#include "switcher/pip_panel.h"
#include "switcher_settings_fixture.h"
#include "wait_indication.h"
#include "wait_watch.h"

namespace vela::test {
namespace {

using SwitcherSettingsRender = SwitcherSettingsFixture;

template <class T>
void save(T* window, const QString& path) {
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
  EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
}

TEST_F(SwitcherSettingsRender, SubPagesAndDialogs) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start();
  host->show();

  auto* wipe = open<WipePatternPanel>();
  QTest::mouseClick(wipe->pattern_button(4), Qt::LeftButton);
  save(wipe, dir + "/switcher-transition.png");
  delete wipe;

  auto* luma = open<LumaKeyPanel>();
  release_at(luma->colour_bars().bars[1], 200);
  save(luma, dir + "/switcher-luma-key.png");
  delete luma;

  auto* chroma = open<ChromaKeyPanel>();
  ASSERT_TRUE(click_list_item(chroma->type_list(), 1));
  save(chroma, dir + "/switcher-chroma-key.png");
  delete chroma;

  auto* pip = open<PipPanel>();
  release_at(pip->window_bar(0), 30);
  release_at(pip->window_bar(1), 60);
  release_at(pip->window_bar(2), 40);
  save(pip, dir + "/switcher-pip.png");
  delete pip;

  auto* configure = new SwitcherSetupDialog(*context, host.get());
  configure->show();
  QTest::mouseClick(configure->rate_button(2, true), Qt::LeftButton);
  save(configure, dir + "/switcher-configure.png");

  auto* names = new CameraNamesDialog(*context, host.get());
  names->show();
  names->name_edit(0)->setText("Stage L");
  names->name_edit(1)->setText("CAM");
  save(names, dir + "/switcher-camera-names.png");
}

// A camera name the silent switcher does not acknowledge: the wait shows
// over the dialog where Set was pressed.
TEST_F(SwitcherSettingsRender, CameraNameWaitOverTheDialog) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start(",silent");
  auto* card = new WaitIndication(WaitIndication::Shows::DeviceReplies, host.get());
  card->place_centred(host->rect());
  host->show();
  auto* names = new CameraNamesDialog(*context, host.get());
  names->show();
  names->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(names));
  names->name_edit(0)->setText("Stage L");
  WaitWatch watch;
  bool saved = false;
  watch.on_slice = [&](const ReplyWindow&, int remaining_ms) {
    if (saved || remaining_ms > 250) return;
    saved = names->grab().save(dir + "/switcher-camera-name-wait.png");
  };
  QTest::mouseClick(names->set_button(0), Qt::LeftButton);
  EXPECT_TRUE(saved);
  EXPECT_EQ(card->parentWidget(), host.get());
}

}  // namespace
}  // namespace vela::test
