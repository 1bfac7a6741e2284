// Which device address texts a command datagram may go to.
#include "device_address_check.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <ifaddrs.h>
#include <net/if.h>

namespace vela {
namespace {

TEST(DeviceAddressCheck, OnlyOneHostsAddressIsUsable) {
  struct Case {
    const char* text;
    const char* refusal;  // nullptr: usable
  };
  const Case cases[] = {
      {"127.0.0.5", nullptr},
      {"192.168.1.100", nullptr},
      {"10.0.1.254", nullptr},
      {"", "empty"},
      {"192.168.1", "not an IPv4 address"},
      {" 10.0.0.5", "not an IPv4 address"},
      {"10.0.0.256", "not an IPv4 address"},
      {"255.255.255.255", "a broadcast address"},
      {"192.168.1.255", "a broadcast address"},
      {"10.0.255.255", "a broadcast address"},
      {"0.0.0.0", "not a single host's address"},
      {"224.0.0.1", "not a single host's address"},
      {"240.0.0.1", "not a single host's address"},
  };
  for (const Case& c : cases) {
    const std::optional<std::string> refusal = refuse_device_address(c.text);
    if (c.refusal == nullptr) {
      EXPECT_FALSE(refusal.has_value()) << c.text << ": " << refusal.value_or("");
    } else {
      EXPECT_EQ(refusal.value_or("usable"), c.refusal) << c.text;
    }
  }
}

// A network whose broadcast address does not end in 255 (a /25 or smaller,
// or one set by hand) is recognised by its interface.
TEST(DeviceAddressCheck, ALocalInterfacesBroadcastAddressIsRefused) {
  ifaddrs* interfaces = nullptr;
  ASSERT_EQ(getifaddrs(&interfaces), 0);
  std::string broadcast;
  for (const ifaddrs* i = interfaces; i != nullptr; i = i->ifa_next) {
    if ((i->ifa_flags & IFF_BROADCAST) == 0 || i->ifa_broadaddr == nullptr) continue;
    if (i->ifa_broadaddr->sa_family != AF_INET) continue;
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(i->ifa_broadaddr)->sin_addr, text, sizeof text);
    broadcast = text;
    break;
  }
  freeifaddrs(interfaces);
  if (broadcast.empty()) GTEST_SKIP() << "no interface with an IPv4 broadcast address";
  EXPECT_EQ(refuse_device_address(broadcast).value_or("usable"), "a broadcast address") << broadcast;
}

}  // namespace
}  // namespace vela
