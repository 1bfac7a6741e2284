#pragma once
// The main window beside a simulator that plays each device on this test's
// loopback addresses (entry i on address i + 1); with or without a device
// list the test fills itself, as a search would have.
#include <QComboBox>
#include <memory>
#include <string>
#include <vector>

#include "device_entries.h"
#include "loopback.h"
#include "main_window.h"
#include "sim_process.h"

namespace vela::test {

struct ListedDevice {
  std::uint8_t type;
  std::string simulator_options;  // "name=Router" or "name=Quiet,silent"
};

// The simulator playing the devices of `device_configs` (entry i on address
// i + 1 of this test's loopback block) and a main window whose search
// reaches them; the window is made but not shown.
struct SimulatedStudioWindow {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<MainWindow> window;

  void start_studio(const std::vector<std::string>& device_configs) {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args{"--port", std::to_string(port), "--broadcast-listen", range.address(0)};
    for (std::size_t i = 0; i < device_configs.size(); ++i) {
      args.insert(args.end(), {"--device", device_configs[i] + ",addr=" + range.address(static_cast<int>(i) + 1)});
    }
    sim = std::make_unique<SimProcess>(args);
    PanelOptions options;
    options.link.device_port = port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    window = std::make_unique<MainWindow>(options);
    window->initialise();
  }
};

// The same with the devices already listed, as a search would have left them.
struct ListedDevicesWindow : SimulatedStudioWindow {
  void start(const std::vector<ListedDevice>& devices) {
    std::vector<std::string> configs;
    for (std::size_t i = 0; i < devices.size(); ++i) {
      configs.push_back("type=" + std::to_string(devices[i].type) + ",id=" + std::to_string(i + 1) + "," +
                        devices[i].simulator_options);
    }
    start_studio(configs);
    std::vector<DeviceEntry> entries;
    for (std::size_t i = 0; i < devices.size(); ++i) {
      entries.push_back(
          device_entry(devices[i].type, static_cast<std::uint8_t>(i + 1), range.address(static_cast<int>(i) + 1)));
      window->device_list()->addItem(QStringLiteral("device %1").arg(i));
    }
    list_found_devices(window->m_link, entries);
  }
};

}  // namespace vela::test
