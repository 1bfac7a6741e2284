#pragma once
// The link half of the network search: broadcast the search request and
// collect, for the search window, one device per name in every reply.
#include <string>
#include <vector>

#include "device_types.h"
#include "udp_link.h"

namespace vela {

struct DiscoveredDevice {
  DeviceEntry entry;
  std::string name;  // raw bytes, one character per byte
  // "<name>_<address>", the device list text.
  std::string list_text() const;
};

inline constexpr int kSearchWindowMs = 2000;
inline constexpr int kSearchPauseMs = 50;

enum class SearchStatus { Finished, SocketFailed };

// Collects at most `limit` devices into found (in answer order); answers past
// the limit are ignored. The search socket is left open for the caller to
// close. Waiting blocks in poll().
SearchStatus network_search(UdpLink& link, std::vector<DiscoveredDevice>& found, int window_ms = kSearchWindowMs,
                            std::size_t limit = kDeviceTableSize);

}  // namespace vela
