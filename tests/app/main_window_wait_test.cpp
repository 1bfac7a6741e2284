// The main window while it waits for replies: the search's countdown over the
// device list, a device's wait shown over its page, painting all along, and
// clicks made meanwhile handled after the wait.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <memory>

#include "control_id.h"
#include "gui_test_environment.h"
#include "listed_devices_window.h"
#include "main_window.h"
#include "multiviewer_exchanges.h"
#include "wait_indication.h"
#include "wait_watch.h"

namespace vela::test {
namespace {

struct MainWindowWait : ::testing::Test, SimulatedStudioWindow {
  DiagnosticRecorder diagnostics;

  // Simulated devices on this test's loopback addresses and a shown window
  // whose search reaches them.
  void start(const std::vector<std::string>& devices) {
    start_studio(devices);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  QAbstractButton* scan_button() const { return find_control<QAbstractButton>(window.get(), 1005); }
  WaitIndication* search_progress() const { return window->findChild<WaitIndication*>("search_progress"); }
  WaitIndication* card() const { return window->findChild<WaitIndication*>("wait_indication"); }
};

// The windows' openings and closings alternate: none opened inside another.
void expect_one_at_a_time(const std::vector<std::string>& events) {
  for (std::size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].rfind(i % 2 == 0 ? "open " : "close ", 0), 0u) << i << ": " << events[i];
  }
}

std::vector<std::string> searches(const std::vector<std::string>& events) {
  std::vector<std::string> found;
  for (const std::string& e : events) {
    if (e.ends_with(" search")) found.push_back(e);
  }
  return found;
}

struct SearchSlice {
  int remaining_ms;
  bool shown;
  int bar_paints;
  int probe_paints;
  std::size_t found;
  QString detail;
};

TEST_F(MainWindowWait, TheSearchCountsDownWithTheDevicesFoundAndTheWindowKeepsPainting) {
  start({"type=0xA1,id=1,name=Gallery", "type=0x60,id=2,name=Studio"});
  WaitIndication* bar = search_progress();
  ASSERT_NE(bar, nullptr);
  const PaintCount bar_paints(bar);
  // Any widget of the window: what changes meanwhile is painted by the next slice.
  QWidget* probe = window->device_list();
  const PaintCount probe_paints(probe);
  std::vector<SearchSlice> slices;
  WaitWatch watch;
  watch.on_slice = [&](const ReplyWindow& w, int remaining_ms) {
    if (w.kind != ReplyWindowKind::NetworkSearch) return;
    slices.push_back({remaining_ms, bar->isVisible(), bar_paints.count, probe_paints.count, w.found, bar->detail()});
    probe->update();
  };
  QTest::mouseClick(scan_button(), Qt::LeftButton);

  // The first device's page opens after the search and reads its device.
  EXPECT_EQ(searches(watch.events), (std::vector<std::string>{"open search", "close search"}));
  expect_one_at_a_time(watch.events);
  // How many slices the search has depends on the machine's speed; that it
  // counts down, and what each slice paints, does not.
  ASSERT_GE(slices.size(), 2u);
  EXPECT_LT(slices.back().remaining_ms, slices.front().remaining_ms);
  for (std::size_t i = 0; i < slices.size(); ++i) {
    const SearchSlice& now = slices[i];
    EXPECT_TRUE(now.shown) << i;
    EXPECT_EQ(now.detail, now.found == 0   ? QStringLiteral("no device yet")
                          : now.found == 1 ? QStringLiteral("1 device found")
                                           : QStringLiteral("%1 devices found").arg(now.found))
        << i;
    if (i == 0) continue;
    const SearchSlice& before = slices[i - 1];
    EXPECT_LE(now.remaining_ms, before.remaining_ms) << i;
    EXPECT_GE(now.found, before.found) << i;
    EXPECT_GT(now.bar_paints, before.bar_paints) << "slice " << i << ": the countdown was not repainted";
    EXPECT_GT(now.probe_paints, before.probe_paints) << "slice " << i << ": the window was not repainted";
  }
  EXPECT_EQ(slices.back().found, 2u);
  EXPECT_FALSE(bar->isVisible()) << "gone with the search";
  EXPECT_EQ(window->device_list()->count(), 2);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowWait, AScanClickedDuringTheSearchSearchesAgainAfterIt) {
  start({"type=0xA1,id=1,name=Gallery"});
  WaitWatch watch;
  bool clicked = false;
  watch.on_slice = [&](const ReplyWindow&, int) {
    if (!std::exchange(clicked, true)) post_click(scan_button());
  };
  QTest::mouseClick(scan_button(), Qt::LeftButton);
  ASSERT_TRUE(clicked);
  EXPECT_EQ(diagnostics.count("net search \n"), 1u) << "the click waits for the search";

  QElapsedTimer clock;
  clock.start();
  while (searches(watch.events).size() < 4 && clock.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  EXPECT_EQ(searches(watch.events),
            (std::vector<std::string>{"open search", "close search", "open search", "close search"}));
  expect_one_at_a_time(watch.events);
  EXPECT_EQ(diagnostics.count("net search \n"), 2u);
  EXPECT_EQ(window->device_list()->count(), 1);
}

// The search bar and a device's wait card, for a person to look at; skipped
// unless VELA_RENDER_DIR is set.
TEST_F(MainWindowWait, RenderTheSearchProgressAndAPagesWait) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start({"type=0xA1,id=1,name=Gallery,signal=1-12", "type=0x60,id=2,name=Studio", "type=0xA5,id=3,name=Switcher"});
  WaitWatch watch;
  QString saving;
  watch.on_slice = [&](const ReplyWindow& w, int remaining_ms) {
    if (saving.isEmpty() || remaining_ms > w.window_ms / 2) return;
    window->grab().save(dir + saving);
    saving.clear();
  };
  saving = QStringLiteral("/main-window-search-progress.png");
  QTest::mouseClick(scan_button(), Qt::LeftButton);
  EXPECT_TRUE(saving.isEmpty());
  ASSERT_EQ(window->device_list()->count(), 3);

  // The multiviewer's page open, its device falls silent and the status
  // poll waits its whole window.
  window->on_device_list_choice(window->device_list()->findText(QStringLiteral("Gallery"), Qt::MatchStartsWith));
  ASSERT_NE(window->m_device_page, nullptr);
  sim->control("silent Gallery on");
  saving = QStringLiteral("/main-window-status-poll-wait.png");
  multiviewer_exchanges::poll_status(window->m_link, window->multiviewer(), window->record_changes());
  EXPECT_TRUE(saving.isEmpty());
}

}  // namespace
}  // namespace vela::test
