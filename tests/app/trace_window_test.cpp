// The trace window: rows as they are recorded, newest at the bottom and kept
// in sight unless the operator scrolled up, filters by device and command,
// and saving what it shows.
#include "trace_window.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "gui_test_environment.h"
#include "list_clicks.h"
#include "main_window.h"
#include "socket_address.h"
#include "temp_dir.h"
#include "trace.h"
#include "trace_table_model.h"

namespace vela::test {
namespace {

// A multiviewer asked for its state and status, a matrix for its lock.
struct TraceWindowTest : ::testing::Test {
  ProtocolTrace trace;
  TraceWindow window{nullptr, trace};

  void record_session(int rounds) {
    for (int i = 0; i < rounds; ++i) {
      for (std::uint8_t code : {0x32, 0x51}) {
        trace.record_udp(TraceDirection::Sent, make_address("127.0.0.2", 7000), build_frame(1, 0xA1, 1, code));
        trace.record_udp(TraceDirection::Received, make_address("127.0.0.2", 7000),
                         build_frame(1, 0xA1, 1, code, Bytes(8, 0)));
      }
      trace.record_udp(TraceDirection::Sent, make_address("127.0.0.4", 7000), build_frame(1, 0x81, 2, 0x50));
    }
  }
  QStringList column(int column) const {
    QStringList cells;
    const TraceTableModel& model = *window.model();
    for (int row = 0; row < model.rowCount(); ++row) cells << model.index(row, column).data().toString();
    return cells;
  }
  QComboBox* filter(const char* name) const { return window.findChild<QComboBox*>(name); }
  void choose(const char* list, const QString& entry) {
    QComboBox* combo = filter(list);
    ASSERT_TRUE(click_list_item(combo, combo->findText(entry))) << entry.toStdString();
  }
};

TEST_F(TraceWindowTest, RowsComeInOrderInWordsAndTheFiltersKeepOnlyTheirDeviceAndCommand) {
  window.show();
  record_session(2);
  window.take_new_records();
  ASSERT_EQ(window.model()->rowCount(), 10);
  EXPECT_EQ(column(TraceTableModel::Command).mid(0, 5),
            (QStringList{"state", "state", "status", "status", "lock-query"}));
  EXPECT_EQ(column(TraceTableModel::Direction).mid(0, 2), (QStringList{"sent", "received"}));
  EXPECT_EQ(column(TraceTableModel::Peer)[4], "127.0.0.4:7000");
  EXPECT_EQ(column(TraceTableModel::Device)[0], "A1:01 multiviewer");
  EXPECT_EQ(column(TraceTableModel::Length)[1], "28");

  choose("trace_device_filter", "A1:01 multiviewer");
  EXPECT_EQ(window.model()->rowCount(), 8);
  EXPECT_FALSE(column(TraceTableModel::Peer).contains("127.0.0.4:7000"));
  choose("trace_command_filter", "status");
  EXPECT_EQ(column(TraceTableModel::Command), QStringList(4, "status"));
  // Records arriving later pass the same filters.
  record_session(1);
  window.take_new_records();
  EXPECT_EQ(column(TraceTableModel::Command), QStringList(6, "status"));
  choose("trace_device_filter", "81:02 matrix");
  EXPECT_EQ(window.model()->rowCount(), 0) << "the matrix was never asked for its status";
  choose("trace_command_filter", "All");
  EXPECT_EQ(column(TraceTableModel::Command), QStringList(3, "lock-query"));
  choose("trace_device_filter", "All");
  EXPECT_EQ(window.model()->rowCount(), 15);
}

TEST_F(TraceWindowTest, TheNewestRowStaysInSightUnlessTheOperatorScrolledUp) {
  window.show();
  QTableView* table = window.table();
  QScrollBar* bar = table->verticalScrollBar();
  record_session(20);
  window.take_new_records();
  ASSERT_GT(bar->maximum(), 0) << "the table must be taller than its view";
  EXPECT_EQ(bar->value(), bar->maximum());
  record_session(5);
  window.take_new_records();
  EXPECT_EQ(bar->value(), bar->maximum()) << "it follows";

  bar->setValue(bar->maximum() / 2);
  const int looked_at = bar->value();
  record_session(5);
  window.take_new_records();
  EXPECT_EQ(bar->value(), looked_at) << "scrolled up, the view stays where the operator looks";
  EXPECT_LT(bar->value(), bar->maximum());
}

TEST_F(TraceWindowTest, SavingWritesTheShownRecordsAsJsonLines) {
  record_session(2);
  window.take_new_records();
  window.set_command_filter("lock-query");
  TempDir dir;
  const QString path = QString::fromStdString(dir.file("saved.jsonl"));
  ASSERT_TRUE(window.save_to(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = file.readAll().split('\n');
  ASSERT_EQ(lines.size(), 3) << "two lines and the end";
  for (const QByteArray& line : lines.mid(0, 2)) {
    EXPECT_TRUE(line.contains("\"command\":\"lock-query\"")) << line.toStdString();
    EXPECT_TRUE(line.contains("\"peer\":\"127.0.0.4:7000\"")) << line.toStdString();
  }
  EXPECT_TRUE(lines[2].isEmpty());
}

TEST(TraceWindowOpening, TheTraceButtonAndCtrlTOpenTheOneTraceWindow) {
  PanelOptions options;
  MainWindow window(options);
  window.initialise();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(window.trace_window(), nullptr) << "made on first use";
  auto* button = window.findChild<QPushButton*>("trace_button");
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  TraceWindow* trace = window.trace_window();
  ASSERT_NE(trace, nullptr);
  EXPECT_TRUE(trace->isVisible());
  trace->close();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(window.trace_window(), trace);
  EXPECT_TRUE(trace->isVisible());
}

}  // namespace
}  // namespace vela::test
