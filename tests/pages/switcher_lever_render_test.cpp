// A picture of the switcher page with the lever half way through a
// transition, for a person to look at ($VELA_RENDER_DIR).
#include <QDir>

#include "switcher_lever_fixture.h"

namespace vela::test {
namespace {

using SwitcherLeverRender = SwitcherLeverFixture;

TEST_F(SwitcherLeverRender, LeverHalfWay) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start();
  context->switcher().program_source = 2;
  context->switcher().preview_source = 5;
  open_shown_page();
  drag_lever(64);
  ASSERT_TRUE(QTest::qWaitFor([&] { return context->switcher().transition_running == 1; }, 10000));
  QCoreApplication::processEvents();  // the click hands the focus on to FTB
  EXPECT_TRUE(page->grab().save(dir + "/switcher-lever-half-way.png"));
}

}  // namespace
}  // namespace vela::test
