// The protocol trace: what the link records of each frame it sends and each
// datagram or serial chunk it receives, and of each window left unanswered.
#include "trace.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

#include "network_search.h"
#include "pty_peer.h"
#include "serial_search.h"
#include "device_entries.h"
#include "simulated_lan.h"
#include "socket_address.h"
#include "udp_exchange.h"

namespace vela {
namespace {

using test::make_address;

std::uint32_t ipv4_of(const std::string& text) {
  in_addr address{};
  inet_pton(AF_INET, text.c_str(), &address);
  return ntohl(address.s_addr);
}

std::vector<TraceRecord> of_direction(const std::vector<TraceRecord>& records, TraceDirection direction) {
  std::vector<TraceRecord> kept;
  std::copy_if(records.begin(), records.end(), std::back_inserter(kept),
               [direction](const TraceRecord& r) { return r.direction == direction; });
  return kept;
}

TEST(TraceRing, KeepsTheNewestRecordsInOrderAndShowsWhatWasDropped) {
  ProtocolTrace trace(4);
  for (std::uint8_t i = 0; i < 6; ++i)
    trace.record_udp(TraceDirection::Sent, make_address("127.0.0.2", 7000), Bytes{i});
  EXPECT_EQ(trace.next_sequence(), 6u);
  const auto all = trace.since(0);
  ASSERT_EQ(all.size(), 4u);
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].sequence, i + 2);
    EXPECT_EQ(all[i].bytes, Bytes{static_cast<std::uint8_t>(i + 2)});
  }
  ASSERT_EQ(trace.since(5).size(), 1u);
  EXPECT_TRUE(trace.since(6).empty());
  // A reused slot holds only its new record.
  trace.record_serial(TraceDirection::Received, "/dev/pts/9", Bytes{0xAE});
  const TraceRecord serial = trace.since(6).at(0);
  EXPECT_EQ(serial.carrier, TraceCarrier::Serial);
  EXPECT_EQ(serial.ipv4, 0u);
  EXPECT_EQ(serial.port, 0u);
  EXPECT_EQ(serial.serial_port, "/dev/pts/9");
  EXPECT_FALSE(serial.header().has_value());
}

// What the ring holds grows only until every slot has held the largest
// frame: a session of hours does not grow it further.
TEST(TraceRing, HeldBytesStopGrowingOnceEverySlotHeldTheLargestFrame) {
  ProtocolTrace trace(4);
  const sockaddr_in device = make_address("127.0.0.2", 7000);
  const std::size_t empty = trace.held_bytes();
  for (int i = 0; i < 4; ++i) trace.record_udp(TraceDirection::Received, device, Bytes(700, 0x32));
  const std::size_t full = trace.held_bytes();
  EXPECT_GE(full, empty + 4 * 700);
  for (int i = 0; i < 400; ++i) {
    trace.record_udp(TraceDirection::Sent, device, Bytes(20 + i % 3, 0x51));
    trace.record_udp(TraceDirection::Received, device, Bytes(i % 2 ? 700 : 24, 0x32));
  }
  EXPECT_EQ(trace.held_bytes(), full);
}

TEST(TraceRing, ThreadsRecordAtOnceWithoutLosingOrSharingANumber) {
  constexpr int kThreads = 4;
  constexpr int kEach = 500;
  ProtocolTrace trace(kThreads * kEach);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&trace, t] {
      const Bytes frame = build_frame(frame::kLinkUdp, 0xA5, static_cast<std::uint8_t>(t), 0x82, Bytes{1});
      for (int i = 0; i < kEach; ++i) trace.record_udp(TraceDirection::Sent, make_address("127.0.0.7", 7000), frame);
    });
  }
  for (auto& thread : threads) thread.join();
  const auto records = trace.since(0);
  ASSERT_EQ(records.size(), static_cast<std::size_t>(kThreads * kEach));
  std::vector<int> per_thread(kThreads, 0);
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].sequence, i);
    ++per_thread.at(records[i].header()->device_id);
  }
  for (int count : per_thread) EXPECT_EQ(count, kEach);
}

struct TracedLan : test::SimulatedLan {
  std::uint64_t from = protocol_trace().next_sequence();
  std::vector<TraceRecord> recorded() const { return protocol_trace().since(from); }
};

TEST_F(TracedLan, ASearchIsTheRequestToTheBroadcastAddressAndEachAnswerFromItsDevice) {
  start({"type=0xA1,id=1,name=Gallery", "type=0x81,id=2,name=Router"});
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found, 600), SearchStatus::Finished);
  ASSERT_EQ(found.size(), 2u);

  const auto records = recorded();
  const auto sent = of_direction(records, TraceDirection::Sent);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].carrier, TraceCarrier::Udp);
  EXPECT_EQ(sent[0].ipv4, ipv4_of(settings.broadcast));
  EXPECT_EQ(sent[0].port, settings.device_port);
  EXPECT_EQ(sent[0].bytes, build_search_request(frame::kLinkUdp));

  const auto received = of_direction(records, TraceDirection::Received);
  ASSERT_EQ(received.size(), 2u);
  std::set<std::pair<std::uint32_t, int>> answered;
  for (const auto& r : received) {
    ASSERT_TRUE(r.header());
    EXPECT_EQ(r.header()->code, code::kSearch);
    EXPECT_EQ(r.port, settings.device_port);
    answered.insert({r.ipv4, r.header()->device_type});
  }
  const std::set<std::pair<std::uint32_t, int>> expected{{ipv4_of(device_address(0)), 0xA1},
                                                         {ipv4_of(device_address(1)), 0x81}};
  EXPECT_EQ(answered, expected);
  EXPECT_TRUE(of_direction(records, TraceDirection::NoReply).empty());
}

TEST_F(TracedLan, AReadBackIsTheRequestAndTheAcceptedReplyAndASilentDeviceLeavesANoReplyRecord) {
  const struct {
    const char* device;
    bool answers;
  } cases[] = {{"type=0xA1,id=3,name=Gallery", true}, {"type=0xA1,id=3,name=Gallery,silent", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.device);
    start({c.device});
    from = protocol_trace().next_sequence();
    LinkSession session(settings);
    session.use_single_device(test::device_entry(0xA1, 3, device_address(0)));
    UdpExchangeOptions options;
    options.code = code::kMultiviewerState;
    options.window_ms = 300;
    options.purpose = "state read";
    const Bytes request = session.build_request(frame::kLinkUdp, code::kMultiviewerState);
    // No one listens to the window: the trace records it all the same.
    const auto reply = exchange_udp(session.udp_link(), session.current_device(), request, options);
    ASSERT_EQ(reply.has_value(), c.answers);

    const auto records = recorded();
    const auto sent = of_direction(records, TraceDirection::Sent);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].bytes, request);
    EXPECT_EQ(sent[0].ipv4, ipv4_of(device_address(0)));
    EXPECT_EQ(sent[0].port, settings.device_port);
    const auto received = of_direction(records, TraceDirection::Received);
    const auto lost = of_direction(records, TraceDirection::NoReply);
    if (c.answers) {
      ASSERT_EQ(received.size(), 1u);
      EXPECT_EQ(received[0].bytes, *reply);
      EXPECT_EQ(received[0].ipv4, ipv4_of(device_address(0)));
      ASSERT_TRUE(received[0].header());
      EXPECT_EQ(received[0].header()->code, code::kMultiviewerState);
      EXPECT_TRUE(lost.empty());
    } else {
      EXPECT_TRUE(received.empty());
      ASSERT_EQ(lost.size(), 1u);
      EXPECT_EQ(lost[0].carrier, TraceCarrier::Udp);
      EXPECT_STREQ(lost[0].purpose, "state read");
      EXPECT_EQ(lost[0].window_ms, 300);
      EXPECT_EQ(lost[0].ipv4, ipv4_of(device_address(0)));
      ASSERT_TRUE(lost[0].header());
      EXPECT_EQ(lost[0].header()->device_type, 0xA1);
      EXPECT_EQ(lost[0].header()->device_id, 3);
      EXPECT_EQ(lost[0].header()->code, code::kMultiviewerState);
      EXPECT_TRUE(lost[0].bytes.empty());
    }
  }
}

TEST(TraceSerial, WritesAndChunksCarryThePortNameAndAnUnansweredSearchLeavesOneNoReply) {
  test::PtyPeer device;
  SerialPort port;
  ASSERT_TRUE(port.open(device.path(), 115200));
  ReassemblyBuffer buffer;
  std::uint8_t serial_type = 0;
  DeviceEntry entry0;
  std::string name;

  const std::uint64_t from = protocol_trace().next_sequence();
  const Bytes stray = {0x01, 0x02, 0x03};
  std::thread answer([&] {
    device.read(frame::kOverhead);
    device.write(stray);
  });
  serial_search(port, buffer, serial_type, entry0, name, 300);
  answer.join();

  const auto records = protocol_trace().since(from);
  const auto sent = of_direction(records, TraceDirection::Sent);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].carrier, TraceCarrier::Serial);
  EXPECT_EQ(sent[0].serial_port, device.path());
  EXPECT_EQ(sent[0].bytes, build_search_request(frame::kLinkSerial));
  Bytes received;
  for (const auto& r : of_direction(records, TraceDirection::Received)) {
    EXPECT_EQ(r.serial_port, device.path());
    received.insert(received.end(), r.bytes.begin(), r.bytes.end());
  }
  EXPECT_EQ(received, stray);
  const auto lost = of_direction(records, TraceDirection::NoReply);
  ASSERT_EQ(lost.size(), 1u);
  EXPECT_EQ(lost[0].carrier, TraceCarrier::Serial);
  EXPECT_STREQ(lost[0].purpose, "search");
  ASSERT_TRUE(lost[0].header());
  EXPECT_EQ(lost[0].header()->code, code::kSearch);
}

}  // namespace
}  // namespace vela
