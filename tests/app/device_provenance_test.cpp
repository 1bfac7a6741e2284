// What a page shows of a device whose read failed: "not known", never the
// start values dressed as facts and never another device's values. Two
// devices of one family, the second silent: A, B, A.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <memory>

#include "gui_test_environment.h"
#include "skin_button.h"
#include "loopback.h"
#include "main_window.h"
#include "multiviewer/multiviewer_page.h"
#include "multiviewer/multiviewer_preview_captions.h"
#include "rk2207/rk2207_page.h"
#include "sim_process.h"

namespace vela::test {
namespace {

const QString kDash = QStringLiteral("\u2014");

struct DeviceProvenance : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<MainWindow> window;
  DiagnosticRecorder diagnostics;

  // Entry 0 answers; entry 1, of the same type, never does.
  void start(std::uint8_t type) {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    const std::string type_text = "type=" + std::to_string(type);
    sim = std::make_unique<SimProcess>(
        std::vector<std::string>{"--port", std::to_string(port), "--device",
                                 type_text + ",id=1,name=Answers,addr=" + range.address(1), "--device",
                                 type_text + ",id=2,name=Silent,silent,addr=" + range.address(2)});
    PanelOptions options;
    options.link.device_port = port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    window = std::make_unique<MainWindow>(options);
    window->initialise();
    for (int i = 0; i < 2; ++i) {
      DeviceEntry& entry = window->m_link.device_table[static_cast<std::size_t>(i)];
      entry.type = type;
      entry.id = static_cast<std::uint8_t>(i + 1);
      entry.set_address(range.address(i + 1));
      window->device_list()->addItem(QStringLiteral("device %1").arg(i));
    }
    window->m_link.device_count = 2;
  }

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
