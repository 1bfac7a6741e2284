// Click to datagram on the wire: a real multiviewer page, opened against
// vela-devsim (which answers its read-back), then pointed at a loopback
// socket of this program standing in for the device. Each round presses a
// layout button with a simulated click; a listening thread notes when the
// layout frame arrives. Printed: p50, p90 and p99 of press to arrival.
#include <QApplication>
#include <QTest>
#include <ctime>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "skin_button.h"
#include "device_types.h"
#include "device_entries.h"
#include "diagnostics.h"
#include "loopback.h"
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_page.h"
#include "multiviewer_protocol.h"
#include "page_context.h"
#include "percentiles.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPresses = 400;

double thread_cpu_ms() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Arrival times of the frames with one command code, from a thread of its own.
class ArrivalListener {
 public:
  ArrivalListener(const std::string& addr, std::uint16_t port, std::uint8_t code) : peer_(addr, port), code_(code) {
    thread_ = std::thread([this] {
      while (!stop_) {
        const auto datagram = peer_.receive(std::chrono::milliseconds(20));
        if (!datagram || datagram->bytes.size() <= vela::frame::kCodeOffset) continue;
        if (datagram->bytes[vela::frame::kCodeOffset] != code_) continue;
        const std::lock_guard lock(mutex_);
        arrivals_.push_back(datagram->at);
      }
    });
  }
  ~ArrivalListener() {
    stop_ = true;
    thread_.join();
  }

  // The arrival of frame number n (from 0), once it has come.
  std::optional<Clock::time_point> arrival(std::size_t n, std::chrono::milliseconds deadline) {
    const auto end = Clock::now() + deadline;
    while (Clock::now() < end) {
      {
        const std::lock_guard lock(mutex_);
        if (arrivals_.size() > n) return arrivals_[n];
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return std::nullopt;
  }

 private:
  vela::test::UdpPeer peer_;
  std::uint8_t code_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Clock::time_point> arrivals_;
  std::thread thread_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace vela;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  set_diagnostic_sink([](const std::string&) {});

  const test::LoopbackRange range = test::LoopbackRange::for_this_process();
  const std::uint16_t port = test::free_udp_port(range.addresses(test::LoopbackRange::kSize));
  test::SimProcess sim(
      {"--port", std::to_string(port), "--device", "type=0xA1,id=1,name=Bench,addr=" + range.address(1)});
  LinkSettings settings;
  settings.device_port = port;
  settings.local_port = test::free_udp_port();
  settings.broadcast = range.address(0);
  PageContext context(settings);
  context.m_link.use_single_device(test::device_entry(device_type::kMultiviewer16, 1, range.address(1)));
  context.m_model_window_count = 16;
  context.multiviewer().reset_labels();

  MultiviewerPage page(context, nullptr);
  page.resize(1240, 580);
  page.show();
  QTest::mouseClick(page.sub_page_button(static_cast<int>(MultiviewerSubPage::Control)), Qt::LeftButton);
  auto* control = qobject_cast<MultiviewerLayoutTab*>(page.sub_page());
  if (control == nullptr) {
    std::fprintf(stderr, "the Control sub-page did not open\n");
    return 1;
  }
  QApplication::processEvents();

  // From here on the device is this program's socket: every send opens its
  // socket for the current entry's address anew.
  ArrivalListener wire(range.address(2), port, multiviewer::code::kLayout);
  context.m_link.use_single_device(test::device_entry(device_type::kMultiviewer16, 1, range.address(2)));

  std::vector<double> latencies_ms, click_cpu_ms;
  for (int n = 0; n < kPresses; ++n) {
    // Alternate two layouts: pressing the marked one sends nothing.
    SkinButton* button = control->layout_button(1 + n % 2);
    const double cpu_before = thread_cpu_ms();
    const auto pressed = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    click_cpu_ms.push_back(thread_cpu_ms() - cpu_before);
    const auto arrived = wire.arrival(static_cast<std::size_t>(n), std::chrono::seconds(2));
    if (!arrived) {
      std::fprintf(stderr, "press %d: no layout frame arrived\n", n + 1);
      return 1;
    }
    latencies_ms.push_back(std::chrono::duration<double, std::milli>(*arrived - pressed).count());
    // Let the page repaint between presses, as it would between an operator's.
    QApplication::processEvents();
  }
  const bench::Percentiles p(latencies_ms);
  const bench::Percentiles cpu(click_cpu_ms);
  std::printf("click to datagram: %d presses of a multiviewer layout button, press to frame received on loopback\n",
              kPresses);
  std::printf("  p50 %.3f ms   p90 %.3f ms   p99 %.3f ms   max %.3f ms\n", p.at(50), p.at(90), p.at(99), p.at(100));
  // On a busy machine the wall figures hold the waits for a core; this is
  // the window thread's own work for the whole click, the send included.
  std::printf("  window thread cpu per click (whole handler): p50 %.3f ms   p90 %.3f ms\n", cpu.at(50), cpu.at(90));
  return 0;
}
