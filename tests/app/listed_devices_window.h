#pragma once
// The main window with a device list the test fills itself: the simulator
// plays each listed device on this test's loopback addresses (entry i on
// address i + 1), and the device table holds them as a search would have.
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

struct ListedDevicesWindow {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<MainWindow> window;

  void start(const std::vector<ListedDevice>& devices) {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args{"--port", std::to_string(port), "--broadcast-listen", range.address(0)};
    for (std::size_t i = 0; i < devices.size(); ++i) {
      args.insert(args.end(), {"--device", "type=" + std::to_string(devices[i].type) + ",id=" + std::to_string(i + 1) +
                                               "," + devices[i].simulator_options +
                                               ",addr=" + range.address(static_cast<int>(i) + 1)});
    }
    sim = std::make_unique<SimProcess>(args);
    PanelOptions options;
    options.link.device_port = port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    window = std::make_unique<MainWindow>(options);
    window->initialise();
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
