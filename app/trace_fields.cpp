#include "trace_fields.h"

#include <arpa/inet.h>

#include <cstdio>
#include <ctime>

#include "command_names.h"
#include "hex_text.h"
#include "json_text.h"

namespace vela {
namespace {

struct Split {
  std::tm tm{};
  long micros = 0;
};

Split split_time(std::int64_t time_us, bool utc) {
  Split split;
  const std::time_t seconds = static_cast<std::time_t>(time_us / 1000000);
  split.micros = static_cast<long>(time_us % 1000000);
  if (utc) {
    gmtime_r(&seconds, &split.tm);
  } else {
    localtime_r(&seconds, &split.tm);
  }
  return split;
}

std::string number_or_null(const std::optional<TraceHeader>& header, std::uint8_t TraceHeader::*field) {
  return header ? std::to_string((*header).*field) : "null";
}

}  // namespace

std::string trace_utc_time(const TraceRecord& record) {
  const Split t = split_time(record.time_us, true);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06ldZ", t.tm.tm_year + 1900, t.tm.tm_mon + 1,
                t.tm.tm_mday, t.tm.tm_hour, t.tm.tm_min, t.tm.tm_sec, t.micros);
  return text;
}

std::string trace_clock_time(const TraceRecord& record) {
  const Split t = split_time(record.time_us, false);
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03ld", t.tm.tm_hour, t.tm.tm_min, t.tm.tm_sec, t.micros / 1000);
  return text;
}

const char* trace_direction_text(TraceDirection direction) {
  switch (direction) {
    case TraceDirection::Sent:
      return "sent";
    case TraceDirection::Received:
      return "received";
    case TraceDirection::NoReply:
      break;
  }
  return "no reply";
}

const char* trace_carrier_text(TraceCarrier carrier) { return carrier == TraceCarrier::Serial ? "serial" : "udp"; }

std::string trace_peer_text(const TraceRecord& record) {
  if (record.carrier == TraceCarrier::Serial) return record.serial_port;
  if (record.ipv4 == 0) return {};
  in_addr address{};
  address.s_addr = htonl(record.ipv4);
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &address, text, sizeof text);
  return record.port == 0 ? std::string(text) : std::string(text) + ":" + std::to_string(record.port);
}

std::string trace_device_text(const TraceRecord& record) {
  const std::optional<TraceHeader> header = record.header();
  if (!header) return {};
  if (header->code == code::kSearch && header->device_id == frame::kSearchId &&
      record.direction != TraceDirection::Received) {
    return "every device";
  }
  char text[48];
  std::snprintf(text, sizeof text, "%02X:%02X %s", header->device_type, header->device_id,
                device_family_name(header->device_type));
  return text;
}

std::string trace_command_text(const TraceRecord& record) {
  const std::optional<TraceHeader> header = record.header();
  return header ? command_name(header->device_type, header->code) : std::string();
}

std::string trace_content_text(const TraceRecord& record) {
  if (record.direction != TraceDirection::NoReply) return to_hex(record.bytes);
  return "no answer to the " + std::string(record.purpose) + " within " + std::to_string(record.window_ms) + " ms";
}

std::string trace_json_line(const TraceRecord& record) {
  const std::optional<TraceHeader> header = record.header();
  std::string line = "{\"time\":\"" + trace_utc_time(record) + "\",\"direction\":\"" +
                     trace_direction_text(record.direction) + "\",\"carrier\":\"" + trace_carrier_text(record.carrier) +
                     "\",\"peer\":" + json_string(trace_peer_text(record)) +
                     ",\"device_type\":" + number_or_null(header, &TraceHeader::device_type) +
                     ",\"device_id\":" + number_or_null(header, &TraceHeader::device_id) +
                     ",\"code\":" + number_or_null(header, &TraceHeader::code) +
                     ",\"command\":" + json_string(trace_command_text(record)) +
                     ",\"length\":" + std::to_string(record.bytes.size()) + ",\"hex\":\"" + to_hex(record.bytes) + "\"";
  if (record.direction == TraceDirection::NoReply) {
    line += ",\"purpose\":" + json_string(std::string(record.purpose)) +
            ",\"window_ms\":" + std::to_string(record.window_ms);
  }
  return line + "}";
}

}  // namespace vela
