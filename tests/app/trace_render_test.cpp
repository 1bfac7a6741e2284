// Pictures for a person to look at, in $VELA_RENDER_DIR (skipped when it is
// not set): the trace window after a demo session and the status line in
// three states, all from the demo simulator.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QTableView>
#include <QTest>

#include "demo_simulator.h"
#include "gui_test_environment.h"
#include "main_window.h"
#include "multiviewer_exchanges.h"
#include "reply_window.h"
#include "status_line.h"
#include "trace_window.h"

namespace vela::test {
namespace {

const QRect kFoot(0, 660, 1280, 60);

// Saves the foot of the main window when the search opens its window.
struct SearchingPicture : ReplyWindowListener {
  SearchingPicture(QWidget* window, QString path) : window_(window), path_(std::move(path)) {}
  void window_opened(const ReplyWindow& window) override {
    if (window.kind == ReplyWindowKind::NetworkSearch) saved = window_->grab(kFoot).save(path_);
  }
  bool saved = false;

 private:
  QWidget* window_;
  QString path_;
};

TEST(TraceRender, TraceWindowAfterADemoSessionAndTheStatusLineInThreeStates) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "VELA_RENDER_DIR is not set";
  QDir().mkpath(dir);
  PanelOptions options;
  options.demo = true;
  DemoSimulator demo;
  ASSERT_TRUE(demo.start(DemoSimulator::locate({}), options.link)) << demo.error().toStdString();
  MainWindow window(options);
  window.initialise();
  window.show();

  {
    SearchingPicture searching(&window, dir + "/status-line-searching.png");
    const ReplyWindowListening listening(searching);
    window.on_scan();
    EXPECT_TRUE(searching.saved);
  }
  ASSERT_EQ(window.device_list()->count(), 6);
  ASSERT_TRUE(window.status_line()->shown_text().startsWith("Gallery MV16: state read in"));
  EXPECT_TRUE(window.grab(kFoot).save(dir + "/status-line-state-read.png"));
  // The operator looks at every device in turn, then comes back.
  for (int i : {1, 2, 3, 4, 5, 0}) {
    window.device_list()->setCurrentIndex(i);
    window.on_device_list_choice(i);
    QTest::qWait(50);
  }
  multiviewer_exchanges::poll_status(window.m_link, window.multiviewer(), window.record_changes());
  // A serial search on the demo's pseudo-terminal.
  window.m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(window.m_link.serial_port().open(demo.serial_path().toStdString(), 115200));
  window.serial_search();
  window.m_link.serial_port().close();
  window.m_link.set_connection_mode(connection_mode::kNetwork);
  window.device_list()->clear();
  window.on_scan();
  // The devices go away: the multiviewer's reads go unanswered.
  demo.stop();
  for (int i = 0; i < 3; ++i)
    multiviewer_exchanges::poll_status(window.m_link, window.multiviewer(), window.record_changes());
  EXPECT_EQ(window.status_line()->shown_text(), "Gallery MV16: no answer to the status poll (3 in a row)");
  EXPECT_TRUE(window.grab(kFoot).save(dir + "/status-line-no-answer.png"));
  EXPECT_TRUE(window.grab().save(dir + "/main-window-status-line.png"));

  window.show_trace();
  TraceWindow* trace = window.trace_window();
  ASSERT_NE(trace, nullptr);
  trace->take_new_records();
  QTest::qWait(50);
  EXPECT_TRUE(trace->grab().save(dir + "/trace-window-demo.png"));
  trace->set_device_filter("A1:01 multiviewer");
  QTest::qWait(50);
  EXPECT_TRUE(trace->grab().save(dir + "/trace-window-multiviewer.png"));
}

}  // namespace
}  // namespace vela::test
