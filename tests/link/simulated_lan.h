#pragma once
// A simulator with devices on their own loopback addresses and the link
// settings that reach it, for the link's tests on a simulated network.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "link_session.h"
#include "loopback.h"
#include "operator_message.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {

// A simulator with the given devices (configurations without addr; each gets its own
// loopback address) and a link pointed at its broadcast listener.
struct SimulatedLan : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::vector<std::string> diagnostics;
  std::vector<std::string> messages;
  DiagnosticSink previous_sink;
  OperatorMessageHandler previous_handler;
  std::unique_ptr<SimProcess> sim;
  LinkSettings settings;

  void SetUp() override {
    previous_sink = set_diagnostic_sink([this](const std::string& line) { diagnostics.push_back(line); });
    previous_handler = set_operator_message_handler([this](const std::string& text) { messages.push_back(text); });
  }
  void TearDown() override {
    set_diagnostic_sink(previous_sink);
    set_operator_message_handler(previous_handler);
  }

  std::string device_address(int i) const { return range.address(i + 1); }

  void start(const std::vector<std::string>& device_configs) {
    const std::uint16_t device_port = test::free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args = {"--port", std::to_string(device_port), "--broadcast-listen", range.address(0)};
    for (std::size_t i = 0; i < device_configs.size(); ++i) {
      args.push_back("--device");
      args.push_back(device_configs[i] + ",addr=" + device_address(static_cast<int>(i)));
    }
    sim = std::make_unique<SimProcess>(args);
    settings.device_port = device_port;
    settings.local_port = test::free_udp_port();
    settings.broadcast = range.address(0);
  }

  bool diagnosed(const std::string& line) const {
    return std::find(diagnostics.begin(), diagnostics.end(), line) != diagnostics.end();
  }
};

}  // namespace vela::test
