// CPU time spent while waiting for replies that never come: a UDP exchange
// and a network search with a 2000 ms window on loopback where nobody
// answers, and a serial exchange on a pseudo-terminal whose other end stays
// silent. Prints wall time, how far the wait ran past its window, and CPU
// time (user + system) of each wait.
#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "diagnostics.h"
#include "link_session.h"
#include "network_search.h"
#include "serial_exchange.h"
#include "ticks.h"
#include "udp_exchange.h"

namespace {

double cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr int kWindowMs = 2000;

template <typename Wait>
void measure(const char* what, Wait wait) {
  const double cpu_before = cpu_seconds();
  const std::int64_t wall_before = vela::tick_ms();
  wait();
  const double cpu = cpu_seconds() - cpu_before;
  const std::int64_t wall = vela::tick_ms() - wall_before;
  std::printf("%-34s wall %5lld ms (%+lld past the window)   cpu %7.3f ms   (%.3f%% of one core)\n", what,
              static_cast<long long>(wall), static_cast<long long>(wall - kWindowMs), cpu * 1000.0,
              wall > 0 ? 100.0 * cpu * 1000.0 / static_cast<double>(wall) : 0.0);
}

}  // namespace

int main() {
  vela::set_diagnostic_sink([](const std::string&) {});
  vela::LinkSettings settings;
  settings.device_port = 17999;  // nobody listens there on loopback
  settings.local_port = 0;       // any free local port
  vela::LinkSession session(settings);
  vela::DeviceEntry device;
  device.set_address("127.0.0.1");
  session.use_single_device(device);

  vela::UdpExchangeOptions options;
  options.code = 0x32;
  options.window_ms = kWindowMs;
  const vela::Bytes request = session.build_request(1, 0x32);
  measure("UDP exchange, 2000 ms window",
          [&] { vela::exchange_udp(session.udp_link(), session.current_device(), request, options); });

  vela::LinkSettings search_settings = settings;
  search_settings.broadcast = "127.0.0.1";  // loopback only: nobody listens on the device port
  vela::UdpLink search_link(search_settings);
  std::vector<vela::DiscoveredDevice> found;
  measure("network search, 2000 ms window", [&] { vela::network_search(search_link, found, kWindowMs); });
  search_link.close();

  int master = -1, slave = -1;
  char path[128] = {};
  if (openpty(&master, &slave, path, nullptr, nullptr) != 0) {
    std::perror("openpty");
    return 1;
  }
  if (!session.serial_port().open(path, 115200)) {
    std::fprintf(stderr, "cannot open %s\n", path);
    return 1;
  }
  const vela::Bytes search = vela::build_search_request(0);
  const vela::ScannerTargets targets = session.scanner_targets();
  measure("serial exchange, 2000 ms window", [&] {
    vela::exchange_serial(session.serial_port(), session.serial_reassembly(), search, targets, kWindowMs);
  });
  session.serial_port().close();
  close(master);
  close(slave);
  return 0;
}
