// The hostile device: what its option means and what it sends before its
// answer, from where.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "device_config.h"
#include "errors.h"
#include "frame.h"
#include "hostile.h"
#include "loopback.h"
#include "received_frame.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;

TEST(Hostile, DeviceOption) {
  const std::string base = "type=0xA1,id=1,name=G,addr=127.0.0.9";
  struct Case {
    std::string items;
    bool hostile;
    int flood;
  };
  for (const Case& c : std::vector<Case>{{"", false, 0},
                                         {",hostile", true, sim::kDefaultHostileFlood},
                                         {",hostile=0", true, 0},
                                         {",hostile=3000", true, 3000}}) {
    const sim::DeviceConfig config = sim::parse_device_config(base + c.items, sim::Carrier::Udp);
    EXPECT_EQ(config.faults.hostile, c.hostile) << c.items;
    EXPECT_EQ(config.faults.hostile_flood, c.flood) << c.items;
  }
  EXPECT_THROW(sim::parse_device_config(base + ",hostile=many", sim::Carrier::Udp), sim::UsageError);
  EXPECT_THROW(sim::parse_device_config("type=0xA1,id=1,name=G,hostile", sim::Carrier::Serial), sim::UsageError)
      << "the serial line has no strangers";
}

TEST(Hostile, StrangerSendsFromAnotherLoopbackAddress) {
  EXPECT_EQ(sim::stranger_address("127.0.3.9"), "127.0.0.1");
  EXPECT_EQ(sim::stranger_address("127.0.0.1"), "127.0.0.2");
  EXPECT_EQ(sim::stranger_address("10.77.0.11"), "10.77.0.11") << "off loopback only its own address is safe";
}

TEST(Hostile, FloodIsMadeOfTheSmallForgeries) {
  const sim::Frame request(build_frame(frame::kLinkUdp, 0xA1, 1, 0x32));
  const Bytes reply = build_frame(frame::kLinkUdp, 0xA1, 1, 0x32, Bytes(700, 0x11));
  const std::vector<Bytes> flood = sim::flood_datagrams(request, reply, 3000);
  ASSERT_EQ(flood.size(), 3000u);
  EXPECT_TRUE(std::all_of(flood.begin(), flood.end(), [](const Bytes& d) { return d.size() <= 64; }));
  EXPECT_TRUE(std::find(flood.begin(), flood.end(), Bytes{}) != flood.end()) << "empty datagrams too";
  EXPECT_TRUE(std::find(flood.begin(), flood.end(), reply) == flood.end());
}

// One state request to a hostile multiviewer without a flood: every forgery
// from the device, the stranger's from its own address, the real answer
// last of all from the device.
TEST(Hostile, ForgeriesThenTheAnswer) {
  const auto addrs = LoopbackRange::for_this_process().addresses(1);
  const std::uint16_t port = free_udp_port(addrs);
  SimProcess sim({"--port", std::to_string(port), "--device", "type=0xA1,id=1,name=G,hostile=0,addr=" + addrs[0]});
  UdpPeer peer;
  const Bytes request = build_frame(frame::kLinkUdp, 0xA1, 1, 0x32);
  peer.send_to(addrs[0], port, request);
  const std::vector<ReceivedDatagram> got = peer.collect(1000, 1s, 300ms);
  ASSERT_FALSE(got.empty());

  std::vector<ReceivedDatagram> own, strangers;
  for (const ReceivedDatagram& d : got) (d.addr == addrs[0] && d.port == port ? own : strangers).push_back(d);
  const Bytes& answer = own.back().bytes;
  ASSERT_GE(answer.size(), 666u);
  EXPECT_EQ(answer[frame::kCodeOffset], 0x32);
  const std::vector<Bytes> forged = sim::forged_datagrams(sim::Frame(request), answer);
  ASSERT_EQ(own.size(), forged.size() + 1);
  for (std::size_t i = 0; i < forged.size(); ++i) EXPECT_EQ(own[i].bytes, forged[i]) << "forgery " << i;
  EXPECT_TRUE(std::any_of(own.begin(), own.end(), [](const auto& d) { return d.bytes.size() == 65507; }));

  ASSERT_EQ(strangers.size(), sim::stranger_datagrams(sim::Frame(request), answer).size());
  EXPECT_EQ(strangers.back().bytes, answer) << "a whole copy of the answer from elsewhere";
  for (const ReceivedDatagram& d : strangers) EXPECT_NE(d.addr, addrs[0]);
}

}  // namespace
}  // namespace vela::test
