// vela-devsim over UDP on loopback: the search answered by every device
// from its own address, and each fault switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame.h"
#include "loopback.h"
#include "search_reply_check.h"
#include "sim_log.h"
#include "sim_process.h"
#include "temp_dir.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;

std::vector<ReceivedDatagram> from_addr(const std::vector<ReceivedDatagram>& all, const std::string& addr) {
  std::vector<ReceivedDatagram> out;
  std::copy_if(all.begin(), all.end(), std::back_inserter(out),
               [&](const ReceivedDatagram& d) { return d.addr == addr; });
  return out;
}

struct Expected {
  std::uint8_t type;
  std::uint8_t id;
  std::string name;
};

TEST(DevsimUdp, SearchIsAnsweredByEveryDeviceFromItsOwnAddress) {
  const auto addrs = LoopbackRange::for_this_process().addresses(4);
  const std::uint16_t port = free_udp_port(addrs);
  const std::vector<Expected> devices = {{0xA1, 1, "Studio1"}, {0x81, 7, "Matrix B"}, {0xA5, 0x10, "Sw"}};
  TempDir dir;
  const std::string config =
      dir.write_file("devices.conf", "# three devices\n\ndevice type=0xA1,id=1,name=Studio1,addr=" + addrs[0] +
                                         "\n  device type=129,id=7,name=Matrix B,addr=" + addrs[1] +
                                         "\ndevice type=0xa5,id=0x10,name=Sw,addr=" + addrs[2] + "\n");
  SimProcess sim({"--port", std::to_string(port), "--broadcast-listen", addrs[3], "--config", config});

  ASSERT_EQ(sim.udp_devices().size(), devices.size());
  for (std::size_t i = 0; i < devices.size(); ++i) {
    EXPECT_EQ(sim.udp_devices()[i].name, devices[i].name);
    EXPECT_EQ(sim.udp_devices()[i].addr, addrs[i]);
    EXPECT_EQ(sim.udp_devices()[i].port, port);
    EXPECT_EQ(sim.udp_devices()[i].type, devices[i].type);
    EXPECT_EQ(sim.udp_devices()[i].id, devices[i].id);
  }
  ASSERT_EQ(sim.listen_addr(), addrs[3]);

  UdpPeer peer;
  peer.send_to(addrs[3], port, build_search_request(frame::kLinkUdp));
  const auto replies = peer.collect(devices.size(), 15s, 500ms);
  ASSERT_EQ(replies.size(), devices.size());
  for (std::size_t i = 0; i < devices.size(); ++i) {
    SCOPED_TRACE(devices[i].name);
    const auto mine = from_addr(replies, addrs[i]);
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].port, port);
    expect_search_reply(mine[0].bytes, devices[i].type, devices[i].id, frame::kLinkUdp, devices[i].name);
  }

  // Sent to one device directly, only that device answers, and the link
  // flag of the request comes back.
  peer.send_to(addrs[1], port, build_search_request(frame::kLinkSerial));
  const auto direct = peer.collect(1, 15s, 500ms);
  ASSERT_EQ(direct.size(), 1u);
  EXPECT_EQ(direct[0].addr, addrs[1]);
  expect_search_reply(direct[0].bytes, 0x81, 7, frame::kLinkSerial, "Matrix B");
}

struct FaultCase {
  const char* label;
  const char* flags;  // appended to the faulty device's configuration
  std::size_t replies;
  bool foreign_first;
  int delay_ms;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.label; }

class DevsimUdpFault : public ::testing::TestWithParam<FaultCase> {};

// The faulty device is asked first, then a plain one; the plain device's
// answer is never held up by the faulty one.
TEST_P(DevsimUdpFault, FaultShapesTheAnswerOfThatDeviceOnly) {
  const FaultCase& c = GetParam();
  const auto addrs = LoopbackRange::for_this_process().addresses(2);
  const std::uint16_t port = free_udp_port(addrs);
  SimProcess sim({"--port", std::to_string(port), "--device", "type=0xA4,id=3,name=Faulty,addr=" + addrs[0] + c.flags,
                  "--device", "type=0x60,id=4,name=Plain,addr=" + addrs[1]});

  UdpPeer peer;
  const Bytes request = build_search_request(frame::kLinkUdp);
  const auto sent_at = std::chrono::steady_clock::now();
  peer.send_to(addrs[0], port, request);
  peer.send_to(addrs[1], port, request);
  const std::size_t expected = 1 + c.replies + (c.foreign_first ? 1 : 0);
  const auto all = peer.collect(expected, 15s, 600ms);
  ASSERT_EQ(all.size(), expected);

  const auto plain = from_addr(all, addrs[1]);
  ASSERT_EQ(plain.size(), 1u);
  expect_search_reply(plain[0].bytes, 0x60, 4, frame::kLinkUdp, "Plain");

  auto faulty = from_addr(all, addrs[0]);
  if (c.foreign_first) {
    ASSERT_FALSE(faulty.empty());
    EXPECT_FALSE(passes_framing_rule(faulty[0].bytes));
    EXPECT_FALSE(passes_code_rule(faulty[0].bytes, code::kSearch));
    faulty.erase(faulty.begin());
  }
  ASSERT_EQ(faulty.size(), c.replies);
  for (const ReceivedDatagram& d : faulty) {
    expect_search_reply(d.bytes, 0xA4, 3, frame::kLinkUdp, "Faulty");
    EXPECT_GE(d.at - sent_at, std::chrono::milliseconds(c.delay_ms));
    if (c.delay_ms > 0) {
      EXPECT_GT(d.at, plain[0].at) << "the delayed answer held up the other device";
    }
  }

  // Every request is logged, also by a device that stays silent.
  const auto records = SimLog(sim.log_path()).wait_for(2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].device, "Faulty");
  EXPECT_EQ(records[1].device, "Plain");
  for (const LogRecord& r : records) EXPECT_EQ(r.code, code::kSearch);
}

INSTANTIATE_TEST_SUITE_P(Faults, DevsimUdpFault,
                         ::testing::Values(FaultCase{"plain", "", 1, false, 0},
                                           FaultCase{"silent", ",silent", 0, false, 0},
                                           FaultCase{"twice", ",twice", 2, false, 0},
                                           FaultCase{"foreign", ",foreign", 1, true, 0},
                                           FaultCase{"delay", ",delay=400", 1, false, 400},
                                           FaultCase{"all_at_once", ",delay=300,twice,foreign", 2, true, 300}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace vela::test
