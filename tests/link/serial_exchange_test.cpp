#include "serial_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "diagnostics.h"
#include "pty_peer.h"
#include "serial_search.h"

namespace vela {
namespace {

using test::PtyPeer;

Bytes search_reply(std::uint8_t type, std::uint8_t id, const std::string& name) {
  Bytes payload = {0x00};
  payload.insert(payload.end(), name.begin(), name.end());
  for (char c : std::string("-1-")) payload.push_back(static_cast<std::uint8_t>(c));
  return build_frame(frame::kLinkSerial, type, id, code::kSearch, payload);
}

// A serial port on a pseudo-terminal whose master plays the device, with
// the panel's link state and the diagnostic lines captured.
class SerialExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_sink_ = set_diagnostic_sink([this](const std::string& line) { lines_.push_back(line); });
    ASSERT_TRUE(port_.open(peer_.path(), 115200));
  }
  void TearDown() override {
    if (device_.joinable()) device_.join();
    set_diagnostic_sink(previous_sink_);
  }

  // The device reads one search request, then (unless pieces is 0) answers
  // with reply cut into `pieces` parts, pausing between them.
  void start_device(Bytes reply, int pieces, int pause_ms = 40) {
    device_ = std::thread([this, reply = std::move(reply), pieces, pause_ms] {
      request_seen_ = peer_.read(frame::kOverhead);
      if (pieces == 0) return;
      const std::size_t step = (reply.size() + pieces - 1) / pieces;
      for (std::size_t at = 0; at < reply.size(); at += step) {
        if (at > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
        peer_.write(Bytes(reply.begin() + at, reply.begin() + std::min(reply.size(), at + step)));
      }
    });
  }
  Bytes device_request() {
    device_.join();
    return request_seen_;
  }

  SerialSearchResult search(int window_ms) {
    return serial_search(port_, buffer_, serial_type_, entry0_, last_name_, window_ms);
  }

  std::vector<int> counts_written() const {
    std::vector<int> counts;
    for (const auto& line : lines_) {
      int n = 0;
      if (std::sscanf(line.c_str(), "count  %d \n", &n) == 1) counts.push_back(n);
    }
    return counts;
  }
  bool wrote(const std::string& line) const { return std::find(lines_.begin(), lines_.end(), line) != lines_.end(); }

  PtyPeer peer_;
  SerialPort port_;
  ReassemblyBuffer buffer_;
  std::uint8_t serial_type_ = 0;
  DeviceEntry entry0_;
  std::string last_name_;
  std::vector<std::string> lines_;
  DiagnosticSink previous_sink_;
  std::thread device_;
  Bytes request_seen_;
};

TEST_F(SerialExchangeTest, ReplyArrivingInPiecesIsFound) {
  const Bytes reply = search_reply(0xA3, 7, "Studio1");
  start_device(reply, 4);
  const SerialSearchResult result = search(10000);

  EXPECT_EQ(device_request(), build_search_request(frame::kLinkSerial));
  EXPECT_TRUE(result.port_open);
  EXPECT_EQ(result.name_count, 1);
  EXPECT_EQ(last_name_, "Studio1");
  EXPECT_EQ(serial_type_, 0xA3);
  EXPECT_EQ(entry0_.type, 0xA3);
  EXPECT_EQ(entry0_.id, 7);
  EXPECT_TRUE(wrote("open com  success \n"));
  EXPECT_FALSE(wrote("time over \n"));
  // Every byte of the reply was reported queued exactly once before it was read.
  const auto counts = counts_written();
  ASSERT_FALSE(counts.empty());
  for (int n : counts) EXPECT_GT(n, 0);
  EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0u), reply.size());
}

TEST_F(SerialExchangeTest, ClosedPortWritesNothingAndKeepsTheBuffer) {
  port_.close();
  const Bytes kept = {1, 2, 3};
  buffer_.append(kept);

  const auto exchanged = exchange_serial(port_, buffer_, build_search_request(frame::kLinkSerial), {}, 1000);
  EXPECT_EQ(exchanged.status, SerialExchangeStatus::PortClosed);
  EXPECT_EQ(Bytes(buffer_.view().begin(), buffer_.view().end()), kept);

  const SerialSearchResult searched = search(1000);
  EXPECT_FALSE(searched.port_open);
  EXPECT_EQ(searched.name_count, 0);
  EXPECT_EQ(lines_, std::vector<std::string>{"open com  fail \n"});

  // The first bytes the device ever sees are written after reopening.
  ASSERT_TRUE(port_.open(peer_.path(), 115200));
  const Bytes marker = {0xEE, 0xEE};
  port_.write(marker.data(), 2);
  EXPECT_EQ(peer_.read(2), marker);
}

TEST_F(SerialExchangeTest, SilentDeviceEndsWithTimeOver) {
  start_device({}, 0);
  const Bytes request = build_frame(frame::kLinkSerial, 0xA1, 1, code::kMultiviewerState);
  std::uint8_t type = 0x11;
  ScannerTargets targets;
  targets.serial_device_type = &type;
  const auto result = exchange_serial(port_, buffer_, request, targets, 200);

  EXPECT_EQ(result.status, SerialExchangeStatus::TimedOut);
  EXPECT_EQ(result.scan_result, 0);
  EXPECT_EQ(device_request(), request);
  ASSERT_FALSE(lines_.empty());
  EXPECT_EQ(lines_.back(), "time over \n");
  EXPECT_EQ(type, 0x11);
  EXPECT_EQ(buffer_.count, 0u);
}

// A reply left over from an earlier exchange is thrown away before the
// request goes out, so only the answer to this request can be taken.
TEST_F(SerialExchangeTest, StaleInputIsDrainedBeforeTheRequest) {
  const struct {
    bool answers;
    int window_ms;
    int names;
    std::string name;
    std::uint8_t type;
  } cases[] = {{true, 10000, 1, "New", 0xA3}, {false, 300, 0, "", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answers);
    last_name_.clear();
    serial_type_ = 0;
    const Bytes stale = search_reply(0xA4, 3, "Old");
    peer_.write(stale);
    for (int round = 0; round < 100 && port_.queued_input() != static_cast<int>(stale.size()); ++round) {
      port_.wait_readable(Deadline(100));
    }
    ASSERT_EQ(port_.queued_input(), static_cast<int>(stale.size()));

    start_device(search_reply(0xA3, 9, "New"), c.answers ? 1 : 0);
    const SerialSearchResult result = search(c.window_ms);
    device_.join();
    EXPECT_EQ(result.name_count, c.names);
    EXPECT_EQ(last_name_, c.name);
    EXPECT_EQ(serial_type_, c.type);
  }
}

}  // namespace
}  // namespace vela
