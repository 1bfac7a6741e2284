#include "simulator.h"

#include <poll.h>

#include "device_factory.h"

namespace vela::sim {

Simulator::Simulator(const SimOptions& options) : log_(options.log_path) {
  std::vector<UdpDeviceHost*> hosts;
  for (const DeviceConfig& config : options.udp_devices) {
    udp_devices_.push_back(std::make_unique<UdpDeviceHost>(loop_, log_, make_device(config), options.port));
    hosts.push_back(udp_devices_.back().get());
  }
  if (options.broadcast_listen)
    listener_ = std::make_unique<BroadcastListener>(loop_, log_, *options.broadcast_listen, options.port, hosts);
  if (options.serial_device)
    serial_ = std::make_unique<SerialDeviceHost>(loop_, log_, make_device(*options.serial_device), options.serial_link);
  loop_.watch(stop_signals_.fd(), POLLIN, [this](short) { loop_.stop(); });
}

std::vector<std::string> Simulator::announce_lines() const {
  std::vector<std::string> lines;
  for (const auto& host : udp_devices_) lines.push_back(host->announce_line());
  if (listener_) lines.push_back(listener_->announce_line());
  if (serial_) lines.push_back(serial_->announce_line());
  return lines;
}

void Simulator::run() { loop_.run(); }

}  // namespace vela::sim
