// The switcher's lever worker sends on the command socket from its own
// thread: on every path that closes that socket (a search, a device change,
// the window going) the worker has ended and been joined first.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>

#include "gui_test_environment.h"
#include "listed_devices_window.h"
#include "skin_button.h"
#include "switcher/lever_panel.h"
#include "switcher/switcher_page.h"

namespace vela::test {
namespace {

// What the panel had running each time an open command socket closed.
struct SocketClosing {
  bool switcher_page_alive;
  bool lever_worker_running;
};

struct SenderShutdown : ::testing::Test, ListedDevicesWindow {
  DiagnosticRecorder diagnostics;
  std::vector<SocketClosing> closings;
  QPointer<SwitcherPage> switcher;

  // A switcher (entry 0) and a matrix (entry 1); the switcher's page is open
  // with its lever worker running.
  void open_switcher_page() {
    start({{device_type::kSwitcher, "name=Mixer"}, {device_type::kMatrix, "name=Router"}});
    window->on_device_list_choice(0);
    switcher = qobject_cast<SwitcherPage*>(window->m_device_page);
    ASSERT_NE(switcher, nullptr);
    ASSERT_TRUE(switcher->lever_panel()->worker_running());
    ASSERT_NE(window->m_link.udp_link().m_command_socket_fd, -1) << "the switcher page keeps its socket open";
    window->m_link.udp_link().set_closing_observer([this] {
      closings.push_back({!switcher.isNull(), switcher && switcher->lever_panel()->worker_running()});
    });
  }

  void TearDown() override { window.reset(); }
};

TEST_F(SenderShutdown, TheLeverWorkerIsJoinedBeforeTheCommandSocketCloses) {
  const struct {
    const char* path;
    std::function<void(SenderShutdown&)> wind_down;
  } paths[] = {
      {"search",
       [](SenderShutdown& t) { QTest::mouseClick(t.window->findChild<SkinButton*>("id1005"), Qt::LeftButton); }},
      {"device change", [](SenderShutdown& t) { t.window->on_device_list_choice(1); }},
      {"quit", [](SenderShutdown& t) { t.window.reset(); }},
  };
  for (const auto& path : paths) {
    SCOPED_TRACE(path.path);
    open_switcher_page();
    if (HasFatalFailure()) return;
    path.wind_down(*this);
    ASSERT_FALSE(closings.empty()) << "the socket closed";
    EXPECT_TRUE(closings.front().switcher_page_alive) << "it closed while the switcher page was still there";
    for (const SocketClosing& closing : closings) EXPECT_FALSE(closing.lever_worker_running);
    window.reset();
    sim.reset();
    closings.clear();
  }
}

}  // namespace
}  // namespace vela::test
