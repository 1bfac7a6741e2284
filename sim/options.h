#pragma once
// The simulator's command line and configuration file.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device_config.h"
#include "impairment.h"

namespace vela::sim {

struct SimOptions {
  std::uint16_t port = 7000;
  std::optional<std::string> broadcast_listen;
  std::vector<DeviceConfig> udp_devices;
  std::optional<DeviceConfig> serial_device;
  std::optional<std::string> serial_link;
  std::optional<std::string> log_path;
  ImpairmentSettings impairment;  // every UDP datagram, both directions
  bool help = false;
};

extern const char* const kUsage;

// Throws UsageError.
SimOptions parse_command_line(int argc, const char* const* argv);

// Adds the devices of a configuration file: one "device DEVICE" or
// "serial DEVICE" per line; blank lines and lines starting with # are skipped.
void load_config_file(const std::string& path, SimOptions& options);

}  // namespace vela::sim
