#pragma once
// A trace record in words, for the trace window and the trace file: derived
// from the raw record only when it is shown or saved.
#include <optional>
#include <string>

#include "trace.h"

namespace vela {

// "2026-12-10T17:37:01.123456Z"
std::string trace_utc_time(const TraceRecord& record);
// "17:37:01.123", local time, for the table.
std::string trace_clock_time(const TraceRecord& record);
// "sent", "received", "no reply"
const char* trace_direction_text(TraceDirection direction);
// "udp", "serial"
const char* trace_carrier_text(TraceCarrier carrier);
// "127.0.0.2:7000", "127.0.0.2" (no port known), "/dev/ttyUSB0", or "".
std::string trace_peer_text(const TraceRecord& record);
// "A1:01 multiviewer"; "every device" for a search request; "" without a header.
std::string trace_device_text(const TraceRecord& record);
// The code's name for the device's family; "" without a header.
std::string trace_command_text(const TraceRecord& record);
// The bytes in hex, or what a window with no reply waited for.
std::string trace_content_text(const TraceRecord& record);
// One JSON object, no newline: time, direction, carrier, peer, device_type,
// device_id, code (numbers, null without a header), command, length, hex;
// a window with no reply adds purpose and window_ms.
std::string trace_json_line(const TraceRecord& record);

}  // namespace vela
