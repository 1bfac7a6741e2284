#include "network_interfaces.h"

#include <arpa/inet.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>
#include <bit>

namespace vela {
namespace {

std::optional<std::uint32_t> ipv4_of(const sockaddr* address) {
  if (address == nullptr || address->sa_family != AF_INET) return std::nullopt;
  return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

}  // namespace

std::string ipv4_text(std::uint32_t host) {
  in_addr address{};
  address.s_addr = htonl(host);
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return text;
}

std::optional<std::uint32_t> parse_ipv4(const std::string& text) {
  in_addr parsed{};
  if (inet_pton(AF_INET, text.c_str(), &parsed) != 1) return std::nullopt;
  return ntohl(parsed.s_addr);
}

std::string LocalNetwork::subnet_text() const {
  return ipv4_text(address & netmask) + "/" + std::to_string(std::popcount(netmask));
}

std::string LocalNetwork::description() const { return interface_name + " " + subnet_text(); }

std::vector<LocalNetwork> local_networks(const ifaddrs* list) {
  std::vector<LocalNetwork> networks;
  for (const ifaddrs* i = list; i != nullptr; i = i->ifa_next) {
    const auto address = ipv4_of(i->ifa_addr);
    if (!address || (i->ifa_flags & IFF_UP) == 0) continue;
    LocalNetwork network;
    network.interface_name = i->ifa_name != nullptr ? i->ifa_name : "";
    network.address = *address;
    network.netmask = ipv4_of(i->ifa_netmask).value_or(0xFFFFFFFFu);
    network.loopback = (i->ifa_flags & IFF_LOOPBACK) != 0;
    // The directed broadcast follows from address and mask: an address added
    // without "brd" reports no broadcast address, or its own. A /31 or /32
    // network has none.
    if ((i->ifa_flags & IFF_BROADCAST) != 0 && network.netmask < 0xFFFFFFFEu) {
      network.broadcast = network.address | ~network.netmask;
      network.can_broadcast = true;
    }
    networks.push_back(std::move(network));
  }
  return networks;
}

std::vector<LocalNetwork> local_networks() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return {};
  std::vector<LocalNetwork> networks = local_networks(list);
  freeifaddrs(list);
  return networks;
}

std::vector<LocalNetwork> searched_networks(const std::vector<LocalNetwork>& networks) {
  std::vector<LocalNetwork> searched;
  for (const auto& network : networks) {
    if (!network.searched()) continue;
    const bool repeated = std::any_of(searched.begin(), searched.end(), [&](const LocalNetwork& seen) {
      return seen.interface_name == network.interface_name && seen.broadcast == network.broadcast;
    });
    if (!repeated) searched.push_back(network);
  }
  return searched;
}

std::optional<LocalNetwork> network_of(const std::vector<LocalNetwork>& networks, std::uint32_t host,
                                       const std::string& interface_name) {
  std::optional<LocalNetwork> found;
  for (const auto& network : networks) {
    if (!network.contains(host)) continue;
    if (network.interface_name == interface_name) return network;
    if (!found) found = network;
  }
  return found;
}

}  // namespace vela
