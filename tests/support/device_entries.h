#pragma once
// Device table entries for the tests' devices, and a table filled with them
// as a network search that found them would leave it.
#include <cstdint>
#include <string>
#include <vector>

#include "link_session.h"

namespace vela::test {

inline DeviceEntry device_entry(std::uint8_t type, std::uint8_t id, const std::string& address) {
  DeviceEntry entry;
  entry.type = type;
  entry.id = id;
  entry.set_address(address);
  return entry;
}

// The table holds exactly these entries, in order, and none is current yet.
inline void list_found_devices(LinkSession& link, const std::vector<DeviceEntry>& entries) {
  link.forget_devices(DeviceTableEntries::Clear);
  for (const DeviceEntry& entry : entries) link.add_found_device(entry);
}

}  // namespace vela::test
