// CPU time of silent reply windows while the window stays alive: the
// panel's own listeners (the live wait that paints what is due, the search
// countdown and the wait card) on a window of the panel's size, and one more
// that counts the slices. Nobody answers on loopback: a 2000 ms UDP exchange
// and a 2000 ms network search run their whole windows.
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "cpu_time.h"
#include "diagnostics.h"
#include "link_session.h"
#include "live_wait.h"
#include "network_search.h"
#include "reply_window.h"
#include "ticks.h"
#include "udp_exchange.h"
#include "wait_indication.h"

namespace {

constexpr int kWindowMs = 2000;

class SliceCount : public vela::ReplyWindowListener {
 public:
  void window_waiting(const vela::ReplyWindow&, int) override { ++pumps; }
  int pumps = 0;
};

template <typename Wait>
void measure(const char* what, SliceCount& listener, Wait wait) {
  listener.pumps = 0;
  const double cpu_before = vela::bench::process_cpu_seconds();
  const std::int64_t wall_before = vela::tick_ms();
  wait();
  const double cpu = vela::bench::process_cpu_seconds() - cpu_before;
  const std::int64_t wall = vela::tick_ms() - wall_before;
  std::printf("%-34s wall %5lld ms   %3d slices   cpu %7.3f ms   (%.3f%% of one core)\n", what,
              static_cast<long long>(wall), listener.pumps, cpu * 1000.0,
              wall > 0 ? 100.0 * cpu * 1000.0 / static_cast<double>(wall) : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vela::set_diagnostic_sink([](const std::string&) {});

  QWidget window;
  window.resize(1280, 720);
  const vela::LiveWait live_wait;
  auto* search_progress = new vela::WaitIndication(vela::WaitIndication::Shows::Searches, &window);
  search_progress->setGeometry(420, 55, 440, 50);
  auto* card = new vela::WaitIndication(vela::WaitIndication::Shows::DeviceReplies, &window);
  card->place_centred(QRect(20, 120, 1240, 580));
  window.show();
  QApplication::processEvents();
  SliceCount listener;
  const vela::ReplyWindowListening listening(listener);

  vela::LinkSettings settings;
  settings.device_port = 17999;  // nobody listens there on loopback
  settings.local_port = 0;
  vela::LinkSession session(settings);
  vela::DeviceEntry device;
  device.set_address("127.0.0.1");
  session.use_single_device(device);
  vela::UdpExchangeOptions options;
  options.code = 0x32;
  options.window_ms = kWindowMs;
  options.purpose = "status poll";
  const vela::Bytes request = session.build_request(1, 0x32);
  // A first short window loads fonts and fills caches, as any earlier wait
  // of a running panel has.
  vela::UdpExchangeOptions warm_up = options;
  warm_up.window_ms = 200;
  vela::exchange_udp(session.udp_link(), session.current_device(), request, warm_up);
  measure("UDP exchange, 2000 ms window", listener,
          [&] { vela::exchange_udp(session.udp_link(), session.current_device(), request, options); });

  vela::LinkSettings search_settings = settings;
  search_settings.broadcast = "127.0.0.1";  // loopback only: nobody listens on the device port
  vela::UdpLink search_link(search_settings);
  std::vector<vela::DiscoveredDevice> found;
  measure("network search, 2000 ms window", listener, [&] { vela::network_search(search_link, found, kWindowMs); });
  search_link.close();
  return 0;
}
