#pragma once
// The link half of the serial device search: one search request on the
// serial line and the device's reply, found by the reply scanner.
#include <cstdint>
#include <string>

#include "serial_port.h"
#include "device_types.h"
#include "reply_scanner.h"

namespace vela {

inline constexpr int kSerialSearchWindowMs = 2000;

struct SerialSearchResult {
  bool port_open = false;
  int name_count = 0;  // names in the reply; 0 when none came
};

// With the port closed writes "open com  fail \n" and stops (the caller
// tells the operator). Otherwise writes "open com  success \n", sends the
// search request (link flag 0) and waits up to window_ms for the reply,
// writing "count  %d \n" for every poll that finds bytes waiting. The scanner
// records the replying device's type in serial_device_type, its type and id
// in entry0, and each name it finds in last_name.
SerialSearchResult serial_search(SerialPort& port, ReassemblyBuffer& buffer, std::uint8_t& serial_device_type,
                                 DeviceEntry& entry0, std::string& last_name, int window_ms = kSerialSearchWindowMs);

}  // namespace vela
