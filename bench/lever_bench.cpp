// The lever worker against vela-devsim on loopback. A hand sweeps the lever
// from end to end (push, pull, push...) for a few seconds, a position every
// 2 ms and a short stop at each end; the transition position frames that
// reached the simulator per second of movement are counted from its log.
// Then the lever rests, and the CPU the process uses meanwhile (the worker
// is all that runs) is measured.
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "device_types.h"
#include "device_entries.h"
#include "diagnostics.h"
#include "lever_link.h"
#include "lever_rules.h"
#include "lever_worker.h"
#include "link_session.h"
#include "loopback.h"
#include "sim_log.h"
#include "sim_process.h"
#include "switcher_protocol.h"

namespace {

using Clock = std::chrono::steady_clock;

double cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr auto kMoving = std::chrono::seconds(4);
constexpr auto kResting = std::chrono::seconds(3);
constexpr auto kHandStep = std::chrono::milliseconds(2);  // one lever position every 2 ms
// The hand stays a moment at each end, long enough for the worker to see it.
constexpr auto kHandAtEnd = std::chrono::milliseconds(20);

}  // namespace

int main() {
  using namespace vela;
  set_diagnostic_sink([](const std::string&) {});
  const test::LoopbackRange range = test::LoopbackRange::for_this_process();
  const std::string address = range.address(1);
  const std::uint16_t port = test::free_udp_port(range.addresses(test::LoopbackRange::kSize));
  test::SimProcess sim({"--port", std::to_string(port), "--device", "type=0xA5,id=1,name=Bench,addr=" + address});

  LinkSettings settings;
  settings.device_port = port;
  settings.local_port = test::free_udp_port();
  settings.broadcast = range.address(0);
  LinkSession link(settings);
  link.use_single_device(test::device_entry(device_type::kSwitcher, 1, address));
  if (!link.udp_link().prepare_command_socket(link.current_device())) {
    std::fprintf(stderr, "no socket\n");
    return 1;
  }

  std::atomic<int> completed{0};
  LeverWorker worker(1, lever_sender(link), [&](const LeverEvent& e) {
    if (e.kind == LeverEvent::Kind::Completed) ++completed;
  });
  worker.start();

  // The hand: one position further every step, turning at each end.
  const auto moving_from = Clock::now();
  int position = lever::kBottom, way = -1, moves = 0, stops = 0;
  while (Clock::now() - moving_from < kMoving) {
    position += way;
    worker.set_position(position);
    ++moves;
    std::this_thread::sleep_for(kHandStep);
    if (lever::at_an_end(position)) {
      way = -way;
      ++stops;
      std::this_thread::sleep_for(kHandAtEnd);
    }
  }
  const double sweeping_s = std::chrono::duration<double>(Clock::now() - moving_from).count();
  const double moving_s = sweeping_s - stops * std::chrono::duration<double>(kHandAtEnd).count();

  const double cpu_before = cpu_seconds();
  const auto resting_from = Clock::now();
  std::this_thread::sleep_for(kResting);
  const double resting_s = std::chrono::duration<double>(Clock::now() - resting_from).count();
  const double resting_cpu = cpu_seconds() - cpu_before;
  worker.stop();

  // A marker behind the last frame tells when the log holds them all.
  constexpr std::uint8_t kMarker = 0x7E;
  link.udp_link().send(link.build_request(frame::kLinkUdp, kMarker));
  const test::SimLog log(sim.log_path());
  log.wait_for(1, [](const test::LogRecord& r) { return r.code == kMarker; });
  int frames = 0;
  for (const test::LogRecord& r : log.records()) frames += r.code == switcher::code::kTransitionPosition ? 1 : 0;
  link.udp_link().close();

  std::printf("lever swept %.2f s (%.2f s of it moving, %d stops at an end): %d positions handed over\n", sweeping_s,
              moving_s, stops, moves);
  std::printf("  %d transition position frames reached the simulator: %.1f per second over the sweep; while\n", frames,
              frames / sweeping_s);
  std::printf("  moving (the frame sent at each end and the stops left out) %.1f per second, at most 100 with\n",
              (frames - stops) / moving_s);
  std::printf("  the 10 ms pause; %d transitions completed\n", completed.load());
  std::printf("lever resting %.2f s: worker cpu %.3f ms (%.4f%% of one core)\n", resting_s, resting_cpu * 1000.0,
              100.0 * resting_cpu / resting_s);
  return 0;
}
