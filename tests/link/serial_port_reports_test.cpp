// What the serial port tells its listeners: each opening, failed opening,
// closing and lost line once, by whichever thread saw it, and nothing to a
// listener that was removed. Against the simulator's terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "loopback.h"
#include "serial_port.h"
#include "sim_process.h"

namespace vela {
namespace {

using test::SimProcess;

// The reports as lines, in the order they came, from any thread.
class ReportLog : public SerialPortListener {
 public:
  void opened(const std::string& port, int baud) override { add("opened " + port + " " + std::to_string(baud)); }
  void open_failed(const std::string& port) override { add("open failed " + port); }
  void closed(const std::string& port) override { add("closed " + port); }
  void line_lost(const std::string& port) override { add("lost " + port); }

  std::vector<std::string> lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  // Waits until `count` reports came (the line's loss comes from the watcher).
  bool wait_for(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return lines_.size() >= count; });
  }

 private:
  void add(std::string line) {
    {
      std::lock_guard lock(mutex_);
      lines_.push_back(std::move(line));
    }
    changed_.notify_all();
  }
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> lines_;
};

struct SerialPortReportsTest : ::testing::Test {
  SimProcess sim{{"--port", std::to_string(test::free_udp_port()), "--serial", "type=0xA1,id=4,name=Cut,silent"}};
  SerialPort port;
  ReportLog log;
  const std::string pty = sim.pty_path();
  const std::string missing = "/nonexistent/vela-test-tty";

  void SetUp() override { port.add_listener(&log); }
  void TearDown() override { port.remove_listener(&log); }
};

TEST_F(SerialPortReportsTest, OpeningsAndClosingsAreToldOnceEachInTheirOrder) {
  ASSERT_TRUE(port.open(pty, 9600));
  ASSERT_TRUE(port.open(pty, 115200));  // the open port is closed first
  port.close();
  port.close();  // already closed: no news
  EXPECT_FALSE(port.open(missing, 9600));
  EXPECT_FALSE(port.open(pty, 1234));
  EXPECT_EQ(log.lines(),
            (std::vector<std::string>{"opened " + pty + " 9600", "closed " + pty, "opened " + pty + " 115200",
                                      "closed " + pty, "open failed " + missing, "open failed " + pty}));
}

TEST_F(SerialPortReportsTest, AFailedOpenOverAnOpenPortTellsItClosedFirst) {
  ASSERT_TRUE(port.open(pty, 9600));
  EXPECT_FALSE(port.open(missing, 9600));
  EXPECT_EQ(log.lines(),
            (std::vector<std::string>{"opened " + pty + " 9600", "closed " + pty, "open failed " + missing}));
}

TEST_F(SerialPortReportsTest, ALineLostUnderAnIdlePortIsToldOnceAndItsReleaseIsNoNews) {
  ASSERT_TRUE(port.open(pty, 9600));
  sim.control("line Cut cut");
  ASSERT_TRUE(log.wait_for(2)) << "the watcher thread told nothing";
  EXPECT_FALSE(port.is_open());
  port.close();
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"opened " + pty + " 9600", "lost " + pty}));
}

TEST_F(SerialPortReportsTest, ARemovedListenerHearsNothingMore) {
  ReportLog other;
  port.add_listener(&other);
  ASSERT_TRUE(port.open(pty, 9600));
  port.remove_listener(&other);
  port.close();
  EXPECT_EQ(other.lines(), (std::vector<std::string>{"opened " + pty + " 9600"}));
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"opened " + pty + " 9600", "closed " + pty}));
}

}  // namespace
}  // namespace vela
