// This computer's networks as the search sees them, from getifaddrs records
// given as data, and how one search's requests and answers are counted.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <net/if.h>

#include <deque>
#include <string>
#include <vector>

#include "network_interfaces.h"
#include "network_search.h"
#include "search_plan.h"

namespace vela {
namespace {

std::uint32_t ip(const char* text) { return parse_ipv4(text).value(); }

// A getifaddrs list built from records; the family of a record without an
// IPv4 address stands for the AF_PACKET and AF_INET6 entries of a real list.
class FakeInterfaceList {
 public:
  struct Record {
    const char* name;
    unsigned flags;
    const char* address;  // nullptr: not an IPv4 entry
    const char* netmask;
    const char* broadcast;  // nullptr: none reported
  };

  explicit FakeInterfaceList(const std::vector<Record>& records) {
    for (const auto& record : records) {
      ifaddrs& entry = entries_.emplace_back();
      entry.ifa_name = const_cast<char*>(record.name);
      entry.ifa_flags = record.flags;
      entry.ifa_addr = record.address ? ipv4(record.address) : other_family();
      entry.ifa_netmask = record.netmask ? ipv4(record.netmask) : nullptr;
      entry.ifa_broadaddr = record.broadcast ? ipv4(record.broadcast) : nullptr;
    }
    for (std::size_t i = 0; i + 1 < entries_.size(); ++i) entries_[i].ifa_next = &entries_[i + 1];
  }
  const ifaddrs* list() const { return entries_.empty() ? nullptr : &entries_.front(); }

 private:
  sockaddr* ipv4(const char* text) {
    sockaddr_in& address = addresses_.emplace_back();
    address.sin_family = AF_INET;
    inet_pton(AF_INET, text, &address.sin_addr);
    return reinterpret_cast<sockaddr*>(&address);
  }
  sockaddr* other_family() {
    sockaddr_in& address = addresses_.emplace_back();
    address.sin_family = AF_INET6;
    return reinterpret_cast<sockaddr*>(&address);
  }
  std::deque<ifaddrs> entries_;  // deques keep the addresses of their elements
  std::deque<sockaddr_in> addresses_;
};

constexpr unsigned kUp = IFF_UP | IFF_RUNNING;
constexpr unsigned kEthernet = kUp | IFF_BROADCAST | IFF_MULTICAST;

// A control-room computer: loopback, a second card with two subnets, a card
// that is down, a VPN without broadcast, a /32 address.
const FakeInterfaceList& control_room() {
  static const FakeInterfaceList list({
      {"lo", kUp | IFF_LOOPBACK, "127.0.0.1", "255.0.0.0", nullptr},
      {"eth0", kEthernet, nullptr, nullptr, nullptr},
      {"eth0", kEthernet, "10.77.0.1", "255.255.255.0", "10.77.0.255"},
      // Added without "brd": the broadcast reported is the address itself.
      {"eth1", kEthernet, "10.78.0.1", "255.255.255.0", "10.78.0.1"},
      {"eth1", kEthernet, "192.168.5.9", "255.255.255.0", "192.168.5.255"},
      {"eth1", kEthernet, "10.78.0.2", "255.255.255.0", "10.78.0.255"},
      {"eth2", IFF_BROADCAST | IFF_MULTICAST, "10.79.0.1", "255.255.255.0", "10.79.0.255"},
      {"tun0", kUp | IFF_POINTOPOINT, "10.8.0.2", "255.255.255.0", "10.8.0.1"},
      {"dummy0", kEthernet, "10.9.9.9", "255.255.255.255", "10.9.9.9"},
  });
  return list;
}

TEST(NetworkInterfaces, SearchCoversEveryBroadcastSubnetOfEveryCardThatIsUpOnce) {
  const auto networks = local_networks(control_room().list());
  std::vector<std::string> searched;
  for (const auto& network : searched_networks(networks))
    searched.push_back(network.description() + " -> " + ipv4_text(network.broadcast));
  // Not loopback, not the card that is down, not the VPN without broadcast,
  // not the /32; two subnets on one card both, one subnet on it once; the
  // broadcast address from address and mask, whatever the card reported.
  EXPECT_EQ(searched, (std::vector<std::string>{"eth0 10.77.0.0/24 -> 10.77.0.255", "eth1 10.78.0.0/24 -> 10.78.0.255",
                                                "eth1 192.168.5.0/24 -> 192.168.5.255"}));
}

TEST(NetworkInterfaces, LocalSubnetsIncludeLoopbackAndPointToPointButNotCardsThatAreDown) {
  const auto networks = local_networks(control_room().list());
  struct Case {
    const char* host;
    const char* interface_name;  // the card an answer came in on
    const char* expected;        // description of the network holding it; "" none
  } cases[] = {
      {"127.0.0.9", "lo", "lo 127.0.0.0/8"},
      {"10.77.0.40", "eth0", "eth0 10.77.0.0/24"},
      {"192.168.5.77", "eth1", "eth1 192.168.5.0/24"},
      {"10.8.0.1", "tun0", "tun0 10.8.0.0/24"},
      {"10.79.0.5", "eth2", ""},
      {"172.31.77.11", "eth0", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.host);
    const auto network = network_of(networks, ip(c.host), c.interface_name);
    EXPECT_EQ(network ? network->description() : "", c.expected);
  }
}

TEST(NetworkInterfaces, ASubnetOnTwoCardsIsNamedByTheCardTheAnswerCameIn) {
  const FakeInterfaceList list({
      {"eth0", kEthernet, "10.77.0.1", "255.255.255.0", "10.77.0.255"},
      {"usb0", kEthernet, "10.77.0.2", "255.255.255.0", "10.77.0.255"},
  });
  const auto networks = local_networks(list.list());
  EXPECT_EQ(network_of(networks, ip("10.77.0.9"), "usb0")->interface_name, "usb0");
  EXPECT_EQ(network_of(networks, ip("10.77.0.9"), "")->interface_name, "eth0");
}

TEST(SearchPlan, AGivenAddressIsTheOnlyDestinationUnlessEveryNetworkIsAsked) {
  const auto networks = local_networks(control_room().list());
  const SearchPlan given = plan_search(ip("127.0.0.1"), false, networks, "eth0");
  ASSERT_EQ(given.destinations.size(), 1u);
  EXPECT_EQ(given.destinations[0].address, ip("127.0.0.1"));
  EXPECT_EQ(given.coverage_text(), "127.0.0.1");

  const SearchPlan every = plan_search(ip("255.255.255.255"), true, networks, "eth0");
  EXPECT_EQ(every.coverage_text(), "255.255.255.255, eth0 10.77.0.0/24, eth1 10.78.0.0/24, eth1 192.168.5.0/24");
  // A configured address that is itself one of the directed broadcasts goes once.
  EXPECT_EQ(plan_search(ip("10.78.0.255"), true, networks, "eth1").destinations.size(), 3u);
}

TEST(SearchPlan, CountsTheCopiesOfTheRequestEachDeviceHeard) {
  const auto networks = local_networks(control_room().list());
  const SearchPlan every = plan_search(ip("255.255.255.255"), true, networks, "eth0");
  const SearchPlan unrouted = plan_search(ip("255.255.255.255"), true, networks, "");
  const SearchPlan given = plan_search(ip("127.0.0.1"), false, networks, "");
  struct Case {
    const SearchPlan* plan;
    const char* sender;
    const char* interface_name;
    int copies;
  } cases[] = {
      {&every, "10.77.0.40", "eth0", 2},     // limited and directed broadcast on the routed card
      {&every, "172.31.77.11", "eth0", 1},   // outside the subnet: the limited broadcast only
      {&every, "10.78.0.40", "eth1", 1},     // second card: its directed broadcast only
      {&every, "192.168.5.40", "eth1", 1},   // second subnet of that card
      {&every, "10.77.0.40", "eth1", 1},     // never fewer than one
      {&unrouted, "10.77.0.40", "eth0", 1},  // the limited broadcast left nowhere
      {&given, "127.0.0.5", "lo", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.sender) + " on " + c.interface_name);
    EXPECT_EQ(c.plan->copies_reaching(ip(c.sender), c.interface_name), c.copies);
  }
}

TEST(SearchPlan, KeepsOneAnswerPerCopyOfTheRequest) {
  const Bytes answer{0xA5, 0x6C, 0x01};
  const Bytes other{0xA5, 0x6C, 0x02};
  AnswerRepeats repeats;
  std::vector<bool> kept;
  // A device that answers each of two requests twice is listed twice.
  for (int i = 0; i < 4; ++i) kept.push_back(repeats.keep(ip("10.77.0.40"), "eth0", answer, 2));
  EXPECT_EQ(kept, (std::vector<bool>{true, false, true, false}));
  // Another sender, card or answer is counted on its own.
  EXPECT_TRUE(repeats.keep(ip("10.77.0.41"), "eth0", answer, 2));
  EXPECT_TRUE(repeats.keep(ip("10.77.0.40"), "eth1", answer, 2));
  EXPECT_TRUE(repeats.keep(ip("10.77.0.40"), "eth0", other, 2));
  // One copy: every answer counts, as with a single destination.
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(repeats.keep(ip("10.78.0.40"), "eth1", answer, 1));
}

TEST(SearchPlan, DeviceNetworkTextNamesCardAndSubnetOrSaysOutside) {
  const auto networks = local_networks(control_room().list());
  DiscoveredDevice inside;
  inside.interface_name = "eth1";
  inside.network = network_of(networks, ip("192.168.5.40"), "eth1");
  DiscoveredDevice outside;
  outside.interface_name = "eth0";
  outside.outside_local_networks = true;
  EXPECT_EQ(inside.network_text(), "eth1 192.168.5.0/24");
  EXPECT_EQ(outside.network_text(), "eth0 outside");
  EXPECT_EQ(DiscoveredDevice{}.network_text(), "");
}

}  // namespace
}  // namespace vela
