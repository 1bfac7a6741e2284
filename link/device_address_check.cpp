#include "device_address_check.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

namespace vela {
namespace {

bool is_interface_broadcast(in_addr_t address) {
  ifaddrs* interfaces = nullptr;
  if (getifaddrs(&interfaces) != 0) return false;
  bool found = false;
  for (const ifaddrs* i = interfaces; i != nullptr && !found; i = i->ifa_next) {
    if ((i->ifa_flags & IFF_BROADCAST) == 0 || i->ifa_broadaddr == nullptr) continue;
    if (i->ifa_broadaddr->sa_family != AF_INET) continue;
    found = reinterpret_cast<const sockaddr_in*>(i->ifa_broadaddr)->sin_addr.s_addr == address;
  }
  freeifaddrs(interfaces);
  return found;
}

}  // namespace

std::optional<std::string> refuse_device_address(const std::string& text) {
  if (text.empty()) return "empty";
  in_addr parsed{};
  if (inet_pton(AF_INET, text.c_str(), &parsed) != 1) return "not an IPv4 address";
  const std::uint32_t host = ntohl(parsed.s_addr);
  if ((host & 0xFF) == 0xFF || is_interface_broadcast(parsed.s_addr)) return "a broadcast address";
  // 0.0.0.0/8 means "this host", 224/4 multicast, 240/4 reserved.
  if ((host >> 24) == 0 || (host >> 28) >= 0xE) return "not a single host's address";
  return std::nullopt;
}

}  // namespace vela
