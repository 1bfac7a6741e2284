#pragma once
// The simulator's command line and configuration file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device_spec.h"

namespace vela::sim {

struct SimOptions {
  std::uint16_t port = 7000;
  std::optional<std::string> broadcast_listen;
  std::vector<DeviceSpec> udp_devices;
  std::optional<DeviceSpec> serial_device;
  std::optional<std::string> serial_link;
  std::optional<std::string> log_path;
  bool help = false;
};

extern const char* const kUsage;

// Throws UsageError.
SimOptions parse_command_line(int argc, const char* const* argv);

// Adds the devices of a configuration file: one "device SPEC" or
// "serial SPEC" per line; blank lines and lines starting with # are skipped.
void load_config_file(const std::string& path, SimOptions& options);

}  // namespace vela::sim
