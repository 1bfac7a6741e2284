#pragma once
// The link half of the network search: broadcast the search request and
// collect, for the search window, one device per name in every reply.
#include <string>
#include <vector>

#include "device_types.h"
#include "network_interfaces.h"
#include "udp_link.h"

namespace vela {

struct DiscoveredDevice {
  DeviceEntry entry;
  std::string name;  // raw bytes, one character per byte
  // Network card the answer came in on ("" unknown).
  std::string interface_name;
  // This computer's network that holds the device's address, if any.
  std::optional<LocalNetwork> network;
  // The address lies in none of this computer's networks: the device
  // answered a broadcast but commands to it will find no way there.
  bool outside_local_networks = false;
  // "eth1 10.78.0.0/24", or "eth0 outside" for an address in none of this
  // computer's networks; "" when neither is known.
  std::string network_text() const;
  // "<name>_<address>", the device list text.
  std::string list_text() const;
};

inline constexpr int kSearchWindowMs = 2000;
inline constexpr int kSearchPauseMs = 50;

enum class SearchStatus { Finished, SocketFailed };

// Sends the request to the configured broadcast address and, when the link's
// settings ask for it, to every network of this computer (SearchPlan).
// Collects at most `limit` devices into found (in answer order); answers past
// the limit are ignored. The search socket is left open for the caller to
// close. Waiting blocks in poll().
SearchStatus network_search(UdpLink& link, std::vector<DiscoveredDevice>& found, int window_ms = kSearchWindowMs,
                            std::size_t limit = kDeviceTableSize);

}  // namespace vela
