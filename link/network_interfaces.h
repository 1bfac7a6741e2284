#pragma once
// This computer's IPv4 networks, read from getifaddrs: where the search sends
// its directed broadcasts, and which subnet (if any) a device's address lies
// in.
#include <ifaddrs.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vela {

// One IPv4 address of an interface that is up. Addresses are in host order.
struct LocalNetwork {
  std::string interface_name;
  std::uint32_t address = 0;
  std::uint32_t netmask = 0;
  std::uint32_t broadcast = 0;  // valid when can_broadcast
  bool loopback = false;
  bool can_broadcast = false;

  bool contains(std::uint32_t host) const { return (host & netmask) == (address & netmask); }
  // "10.77.0.0/24"
  std::string subnet_text() const;
  // "eth1 10.77.0.0/24"
  std::string description() const;
  // Whether the search sends its directed broadcast here: up, not loopback,
  // with the broadcast flag and a subnet wider than /31.
  bool searched() const { return can_broadcast && !loopback; }
};

// Every IPv4 address of every interface that is up, in list order.
std::vector<LocalNetwork> local_networks(const ifaddrs* list);
// The same for this computer (empty when getifaddrs fails).
std::vector<LocalNetwork> local_networks();

// The networks the search covers besides its limited broadcast: one per
// interface and directed broadcast address (two addresses of one subnet on
// one interface give one).
std::vector<LocalNetwork> searched_networks(const std::vector<LocalNetwork>& networks);

// The network containing `host`, preferring one on `interface_name` (two
// cards can carry the same subnet).
std::optional<LocalNetwork> network_of(const std::vector<LocalNetwork>& networks, std::uint32_t host,
                                       const std::string& interface_name = {});

// Dotted-decimal text of a host-order IPv4 address.
std::string ipv4_text(std::uint32_t host);
// Host-order address of a dotted-decimal text; nothing when it does not parse.
std::optional<std::uint32_t> parse_ipv4(const std::string& text);

}  // namespace vela
