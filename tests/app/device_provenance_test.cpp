// What a page shows of a device whose read failed: "not known", never the
// start values dressed as facts and never another device's values. Two
// devices of one family, the second silent: A, B, A.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "gui_test_environment.h"
#include "listed_devices_window.h"
#include "skin_button.h"
#include "multiviewer/multiviewer_page.h"
#include "multiviewer/multiviewer_preview_captions.h"
#include "rk2207/rk2207_page.h"

namespace vela::test {
namespace {

const QString kDash = QStringLiteral("\u2014");

struct DeviceProvenance : ::testing::Test, ListedDevicesWindow {
  DiagnosticRecorder diagnostics;

  // Entry 0 answers; entry 1, of the same type, never does.
  void start(std::uint8_t type) { ListedDevicesWindow::start({{type, "name=Answers"}, {type, "name=Silent,silent"}}); }

  void TearDown() override { window.reset(); }

  template <class Page>
  Page* choose(int entry) {
    window->on_device_list_choice(entry);
    auto* page = qobject_cast<Page*>(window->m_device_page);
    EXPECT_NE(page, nullptr);
    return page;
  }
};

TEST_F(DeviceProvenance, AShowModeDeviceThatDidNotAnswerShowsNothingAsKnown) {
  start(device_type::kRk2207);
  Rk2207Page* page = choose<Rk2207Page>(0);
  ASSERT_NE(page, nullptr);
  EXPECT_NE(page->mode_readout(), kDash);
  EXPECT_TRUE(page->mode_origin_text().startsWith("CONFIRMED ")) << page->mode_origin_text().toStdString();
  EXPECT_FALSE(page->device_facts().join('|').contains(kDash)) << "every reported fact is shown";
  EXPECT_GE(page->selected_mode_button(), 0);

  page = choose<Rk2207Page>(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->mode_readout(), kDash);
  EXPECT_EQ(page->mode_origin_text(), "NOT KNOWN");
  const QStringList facts = page->device_facts();
  ASSERT_EQ(facts.size(), 4);
  for (int line = 1; line < 4; ++line) EXPECT_TRUE(facts[line].endsWith(kDash)) << facts[line].toStdString();
  EXPECT_EQ(page->selected_mode_button(), -1) << "no key claims a mode the device never reported";

  // Choosing a mode makes it this panel's: sent, not read back.
  QTest::mouseClick(page->mode_button(3), Qt::LeftButton);
  EXPECT_EQ(page->mode_origin_text(), "SENT, NOT READ BACK");
  EXPECT_TRUE(page->mode_readout().startsWith("3  "));

  page = choose<Rk2207Page>(0);
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(page->mode_origin_text().startsWith("CONFIRMED "));
  EXPECT_FALSE(page->device_facts().join('|').contains(kDash));
}

TEST_F(DeviceProvenance, AMultiviewerThatDidNotAnswerShowsItsSettingsAsNotKnown) {
  start(device_type::kMultiviewer16);
  ASSERT_NE(choose<MultiviewerPage>(0), nullptr);
  const QString answered = preview_header_facts(window->multiviewer());
  EXPECT_NE(answered, "SETTINGS NOT KNOWN");
  EXPECT_TRUE(answered.contains("WINDOWS")) << answered.toStdString();

  ASSERT_NE(choose<MultiviewerPage>(1), nullptr);
  EXPECT_EQ(window->records_device().where, range.address(2));
  EXPECT_EQ(preview_header_facts(window->multiviewer()), "SETTINGS NOT KNOWN");
  const QString footer = preview_footer_facts(window->multiviewer(), 16);
  EXPECT_EQ(footer, QStringLiteral("SIGNAL %1 / 16   \u00b7   BORDERS %1   \u00b7   LOCK %1").arg(kDash));

  ASSERT_NE(choose<MultiviewerPage>(0), nullptr);
  EXPECT_EQ(preview_header_facts(window->multiviewer()), answered) << "the first device's own settings come back";
}

}  // namespace
}  // namespace vela::test
