#include "simulator.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>

#include "device_factory.h"
#include "errors.h"

namespace vela::sim {

Simulator::Simulator(const SimOptions& options) : log_(options.log_path) {
  if (options.impairment.active()) impairment_ = std::make_unique<LinkImpairment>(options.impairment);
  std::vector<UdpDeviceHost*> hosts;
  for (const DeviceConfig& config : options.udp_devices) {
    udp_devices_.push_back(std::make_unique<UdpDeviceHost>(loop_, log_, make_device(config), options.port));
    udp_devices_.back()->set_impairment(impairment_.get());
    hosts.push_back(udp_devices_.back().get());
  }
  if (options.broadcast_listen) {
    listener_ = std::make_unique<BroadcastListener>(loop_, log_, *options.broadcast_listen, options.port, hosts);
    if (impairment_) listener_->set_impairment(&impairment_->received);
  }
  if (options.serial_device)
    serial_ = std::make_unique<SerialDeviceHost>(loop_, log_, make_device(*options.serial_device), options.serial_link);
  loop_.watch(stop_signals_.fd(), POLLIN, [this](short) { loop_.stop(); });
  control_ =
      std::make_unique<ControlChannel>(loop_, STDIN_FILENO, [this](const std::string& line) { on_control_line(line); });
}

std::vector<std::string> Simulator::announce_lines() const {
  std::vector<std::string> lines;
  for (const auto& host : udp_devices_) lines.push_back(host->announce_line());
  if (listener_) lines.push_back(listener_->announce_line());
  if (serial_) lines.push_back(serial_->announce_line());
  return lines;
}

void Simulator::run() {
  loop_.run();
  if (impairment_) std::fprintf(stderr, "vela-devsim: %s\n", impairment_->summary().c_str());
}

void Simulator::on_control_line(const std::string& line) {
  if (line.empty()) return;
  std::string device;
  std::string note;
  try {
    const ControlLine parsed = parse_control_line(line);
    device = device_of(parsed);
    note = apply(parsed);
  } catch (const UsageError& error) {
    note = error.what();
  }
  // Standard error first: a test that saw the log line finds the message.
  if (!note.empty()) std::fprintf(stderr, "vela-devsim: control line '%s': %s\n", line.c_str(), note.c_str());
  log_.text(LogOrigin{"control", "stdin", device},
            ByteView(reinterpret_cast<const std::uint8_t*>(line.data()), line.size()), note);
}

std::string Simulator::apply(const ControlLine& line) {
  const std::string& name = device_of(line);
  const std::vector<Device*> devices = devices_named(name);
  if (devices.empty()) return "no device named '" + name + "'";
  if (std::holds_alternative<CutLine>(line)) {
    if (!serial_ || serial_->device().name() != name) return "'" + name + "' is not on the serial line";
    serial_->cut_line();
    return {};
  }
  for (Device* device : devices) {
    if (const auto* silent = std::get_if<SilentLine>(&line)) {
      device->set_silent(silent->silent);
    } else if (!device->set_signal(std::get<SignalLine>(line).windows)) {
      return "'" + name + "' has no signal switches";
    }
  }
  return {};
}

std::vector<Device*> Simulator::devices_named(const std::string& name) {
  std::vector<Device*> devices;
  for (const auto& host : udp_devices_)
    if (host->device().name() == name) devices.push_back(&host->device());
  if (serial_ && serial_->device().name() == name) devices.push_back(&serial_->device());
  return devices;
}

}  // namespace vela::sim
