#pragma once
// Reading the frame fields (type, id, code, payload) shared by frame and send.
#include <optional>
#include <string>

#include "arguments.h"
#include "frame.h"

namespace vela::cli {

struct FrameFields {
  std::uint8_t type = 0;
  std::uint8_t id = 0;
  std::uint8_t code = 0;
  Bytes payload;
};

// Reads --type, --id, --code (required) and --payload; prints the problem to
// stderr and returns nothing when they are missing or bad.
std::optional<FrameFields> read_frame_fields(Arguments& args);

// Reads --device-port and --local-port over the given defaults.
bool read_link_ports(Arguments& args, std::uint16_t& device_port, std::uint16_t& local_port);

void print_usage_error(const std::string& message);

}  // namespace vela::cli
