// A serial line that goes away under an open port: the simulator closes its
// terminal, while the port waits in an exchange or lies idle.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "serial_port.h"
#include "frame.h"
#include "loopback.h"
#include "reply_scanner.h"
#include "serial_exchange.h"
#include "sim_process.h"
#include "text_recorders.h"

namespace vela {
namespace {

using test::DiagnosticRecorder;
using test::SimProcess;

// Far longer than the test runs unless the exchange sits out its window.
constexpr int kLongWindowMs = 60000;

// A silent serial multiviewer on the simulator's terminal, with the port
// open, and a network device beside it.
struct SerialLineLoss : ::testing::Test {
  const std::string net_address = test::LoopbackRange::for_this_process().address(0);
  SimProcess sim{{"--port", std::to_string(test::free_udp_port({net_address})), "--device",
                  "type=0xA4,id=2,name=Net,addr=" + net_address, "--serial", "type=0xA1,id=4,name=Cut,silent"}};
  DiagnosticRecorder diagnostics;
  SerialPort port;
  ReassemblyBuffer buffer;
  const Bytes request = build_frame(frame::kLinkSerial, 0xA1, 4, code::kMultiviewerState);

  void SetUp() override { ASSERT_TRUE(port.open(sim.pty_path(), 115200)); }

  std::string lost_line() const { return "serial line " + sim.pty_path() + " lost \n"; }

  // What a port whose line is gone does: counts as closed, writes and
  // exchanges nothing, and closes and refuses to reopen the vanished path.
  void expect_port_gone() {
    EXPECT_FALSE(port.is_open());
    EXPECT_TRUE(port.line_lost());
    EXPECT_EQ(port.write(request.data(), static_cast<int>(request.size())), 0);
    EXPECT_EQ(exchange_serial(port, buffer, request, {}, kLongWindowMs).status, SerialExchangeStatus::PortClosed);
    EXPECT_EQ(diagnostics.count(lost_line()), 1u) << "said once";
    port.close();
    EXPECT_FALSE(port.line_lost());
    EXPECT_FALSE(port.open(sim.pty_path(), 115200));
  }
};

TEST_F(SerialLineLoss, AnExchangeWaitingForItsReplyEndsAtOnce) {
  std::thread cable_puller([this] {
    test::SimLog(sim.log_path()).wait_for(1);  // the request arrived
    sim.control("line Cut cut");
  });
  const SerialExchangeResult result = exchange_serial(port, buffer, request, {}, kLongWindowMs);
  cable_puller.join();
  EXPECT_EQ(result.status, SerialExchangeStatus::PortClosed) << "not sat out to the end of its window";
  EXPECT_FALSE(diagnostics.count("time over \n"));
  expect_port_gone();
}

TEST_F(SerialLineLoss, AnIdlePortNoticesByItself) {
  sim.control("line Cut cut");
  const auto guard = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (port.is_open() && std::chrono::steady_clock::now() < guard)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  expect_port_gone();
}

TEST_F(SerialLineLoss, OnlyTheSerialDevicesLineCanBeCut) {
  EXPECT_EQ(sim.control("line Net cut").note, "'Net' is not on the serial line");
  EXPECT_TRUE(port.is_open());
}

}  // namespace
}  // namespace vela
