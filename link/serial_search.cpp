#include "serial_search.h"

#include "diagnostics.h"
#include "frame.h"
#include "serial_exchange.h"

namespace vela {

SerialSearchResult serial_search(SerialPort& port, ReassemblyBuffer& buffer, std::uint8_t& serial_device_type,
                                 DeviceEntry& entry0, std::string& last_name, int window_ms) {
  const Bytes request = build_search_request(frame::kLinkSerial);
  if (!port.is_open()) {
    diag("open com  fail \n");
    return {false, 0};
  }
  diag("open com  success \n");

  ScannerTargets targets;
  targets.serial_device_type = &serial_device_type;
  targets.entry0 = &entry0;
  targets.on_name = [&last_name](const std::string& name) { last_name = name; };
  const auto result =
      exchange_serial(port, buffer, request, targets, window_ms, [](int queued) { diag("count  %d \n", queued); }, "search");
  return {true, result.scan_result};
}

}  // namespace vela
