#include "frame_options.h"

#include <cstdio>

#include "hex_text.h"

namespace vela::cli {

void print_usage_error(const std::string& message) {
  std::fprintf(stderr, "vela-ctl: %s (see vela-ctl --help)\n", message.c_str());
}

std::optional<FrameFields> read_frame_fields(Arguments& args) {
  for (const char* required : {"--type", "--id", "--code"}) {
    if (!args.has(required)) {
      print_usage_error(std::string("missing ") + required);
      return std::nullopt;
    }
  }
  FrameFields fields;
  const auto type = args.number("--type", 0, 0, 255);
  const auto id = args.number("--id", 0, 0, 255);
  const auto code = args.number("--code", 0, 0, 255);
  const auto payload = try_parse_hex(args.text("--payload"));
  if (!type || !id || !code) {
    print_usage_error(args.error());
    return std::nullopt;
  }
  if (!payload || payload->size() > frame::kMaxLength - frame::kOverhead) {
    print_usage_error("--payload wants hex bytes, for example \"01 0A FF\"");
    return std::nullopt;
  }
  fields.type = static_cast<std::uint8_t>(*type);
  fields.id = static_cast<std::uint8_t>(*id);
  fields.code = static_cast<std::uint8_t>(*code);
  fields.payload = *payload;
  return fields;
}

bool read_link_ports(Arguments& args, std::uint16_t& device_port, std::uint16_t& local_port) {
  const auto device = args.number("--device-port", device_port, 1, 65535);
  const auto local = args.number("--local-port", local_port, 1, 65535);
  if (!device || !local) {
    print_usage_error(args.error());
    return false;
  }
  device_port = static_cast<std::uint16_t>(*device);
  local_port = static_cast<std::uint16_t>(*local);
  return true;
}

}  // namespace vela::cli
