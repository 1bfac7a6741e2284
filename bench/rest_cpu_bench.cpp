// vela-panel at rest with each device page open: the panel is started
// against vela-devsim on loopback (one device of every type), scans, chooses
// one device as an operator would (--select), and is left alone; its CPU
// (user + system, from /proc) is read over a stretch long enough to hold a
// status poll of the multiviewer's opening sub-page. The frames the device
// received meanwhile show that the page was open and alive.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "loopback.h"
#include "process_usage.h"
#include "sim_log.h"
#include "sim_process.h"
#include "watched_child.h"

namespace {

using vela::bench::WatchedChild;

constexpr auto kSettle = std::chrono::seconds(2);
constexpr auto kResting = std::chrono::seconds(8);

struct PageCase {
  const char* page;
  const char* device;  // simulator device options (the address is added)
  const char* name;    // its line in the device list holds this
};
constexpr PageCase kPages[] = {
    {"multiviewer 16", "type=0xA1,id=1,name=Gallery MV16", "Gallery MV16"},
    {"multiviewer 10", "type=0xA4,id=2,name=Studio MV10", "Studio MV10"},
    {"matrix", "type=0x81,id=3,name=Router 8x8", "Router 8x8"},
    {"RK2207", "type=0x60,id=4,name=Booth RK2207", "Booth RK2207"},
    {"LM5530", "type=0xA3,id=5,name=Stage LM5530", "Stage LM5530"},
    {"switcher", "type=0xA5,id=6,name=Vision Mixer", "Vision Mixer"},
};

}  // namespace

int main() {
  using namespace vela;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const test::LoopbackRange range = test::LoopbackRange::for_this_process();
  const std::uint16_t device_port = test::free_udp_port(range.addresses(test::LoopbackRange::kSize));
  std::vector<std::string> sim_arguments = {"--port", std::to_string(device_port), "--broadcast-listen",
                                            range.address(0)};
  int address = 1;
  for (const PageCase& c : kPages) {
    sim_arguments.insert(sim_arguments.end(),
                         {"--device", std::string(c.device) + ",addr=" + range.address(address++)});
  }
  test::SimProcess sim(sim_arguments);

  const double resting_s = std::chrono::duration<double>(kResting).count();
  const double tick_ms = 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
  std::printf(
      "panel cpu at rest, page open against the simulator, %.0f s after it opened, over %.0f s\n"
      "(read in clock ticks of %.0f ms: %.2f%% of one core over the stretch):\n",
      std::chrono::duration<double>(kSettle).count(), resting_s, tick_ms, tick_ms / 10.0 / resting_s);
  const test::SimLog log(sim.log_path());
  int failures = 0;
  for (const PageCase& c : kPages) {
    WatchedChild panel(
        {VELA_PANEL_PATH, "--device-port", std::to_string(device_port), "--local-port",
         std::to_string(test::free_udp_port()), "--broadcast", range.address(0), "--scan", "--select", c.name},
        WatchedChild::Stream::Err);
    if (!panel.wait_for_line("vela-panel: chose", std::chrono::seconds(30))) {
      std::printf("  %-15s the panel did not choose the device\n", c.page);
      ++failures;
      continue;
    }
    std::this_thread::sleep_for(kSettle);
    const std::size_t frames_before = log.records().size();
    const double before = test::cpu_seconds(panel.pid());
    const auto from = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(kResting);
    const double used = test::cpu_seconds(panel.pid()) - before;
    const double over = std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
    const std::size_t frames = log.records().size() - frames_before;
    panel.finish(SIGTERM);
    std::printf("  %-15s cpu %6.1f ms   %.2f%% of one core   (%zu frames reached the device meanwhile)\n", c.page,
                used * 1000.0, 100.0 * used / over, frames);
  }
  return failures == 0 ? 0 : 1;
}
