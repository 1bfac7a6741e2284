#pragma once
// A device page built without a main window: a page context of its own,
// one device entry, and the simulator playing that device on loopback.
// Each family's fixture derives from this and opens its own page.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "device_entries.h"
#include "device_types.h"
#include "gui_test_environment.h"
#include "loopback.h"
#include "page_context.h"
#include "sim_log.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {

struct DevicePageFixture : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<PageContext> context;
  DiagnosticRecorder diagnostics;

  std::string device_address() const { return range.address(1); }

  // A simulated device of `type` (extra device options after its address,
  // extra simulator arguments after those) and a context whose current
  // device it is.
  void start_device(std::uint8_t type, const std::string& options = "",
                    const std::vector<std::string>& extra_arguments = {}) {
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    char config[96];
    std::snprintf(config, sizeof config, "type=0x%X,id=1,name=Gallery,addr=%s", type, device_address().c_str());
    std::vector<std::string> arguments{"--port", std::to_string(port), "--device", std::string(config) + options};
    arguments.insert(arguments.end(), extra_arguments.begin(), extra_arguments.end());
    sim = std::make_unique<SimProcess>(arguments);
    LinkSettings settings;
    settings.device_port = port;
    settings.local_port = free_udp_port();
    settings.broadcast = range.address(0);
    make_context(settings, type);
    point_device_at(device_address());
  }

  // A context with one device entry of `type`, id 1, selected.
  virtual void make_context(const LinkSettings& settings, std::uint8_t type) {
    context = std::make_unique<PageContext>(settings);
    context->m_link.use_single_device(device_entry(type, 1, ""));
  }

  // The selected entry at another address, with its type and id.
  void point_device_at(const std::string& address) {
    DeviceEntry entry = context->m_link.devices()[0];
    entry.set_address(address);
    context->m_link.use_single_device(entry);
  }

  // Frames the device received with this command code.
  std::vector<LogRecord> frames_with_code(int code) const {
    std::vector<LogRecord> found;
    for (const LogRecord& r : SimLog(sim->log_path()).records()) {
      if (r.code == code) found.push_back(r);
    }
    return found;
  }

  std::vector<LogRecord> wait_for_code(int code, std::size_t count = 1) const {
    return SimLog(sim->log_path()).wait_for(count, [code](const LogRecord& r) { return r.code == code; });
  }

  // Every frame or text the device took in over the network, in order, once
  // a marker frame sent now arrived behind them: whatever the page sent
  // before has arrived by then. Markers and simulator controls left out.
  std::vector<LogRecord> received_so_far() const {
    constexpr std::uint8_t kMarker = 0x7E;  // no family's command
    const std::size_t markers = frames_with_code(kMarker).size();
    UdpPeer peer;
    peer.send_to(device_address(), context->m_link.udp_link().settings().device_port,
                 build_frame(frame::kLinkUdp, context->m_link.devices()[0].type, 1, kMarker));
    EXPECT_EQ(wait_for_code(kMarker, markers + 1).size(), markers + 1) << "the marker did not arrive";
    std::vector<LogRecord> received;
    for (LogRecord& r : SimLog(sim->log_path()).records()) {
      if (r.code != kMarker && r.carrier != "control") received.push_back(std::move(r));
    }
    return received;
  }
};

}  // namespace vela::test
