// A simulator with nothing to do waits in poll(): it must not spin, also
// after the panel has opened and closed the serial port.
#include <gtest/gtest.h>

#include <thread>

#include "frame.h"
#include "loopback.h"
#include "process_usage.h"
#include "serial_peer.h"
#include "sim_process.h"

namespace vela::test {
namespace {

TEST(DevsimIdle, UsesNoCpuWhileWaiting) {
  const auto addrs = LoopbackRange::for_this_process().addresses(2);
  const std::uint16_t port = free_udp_port(addrs);
  SimProcess sim({"--port", std::to_string(port), "--broadcast-listen", addrs[1], "--device",
                  "type=0xA1,id=1,name=Idle,addr=" + addrs[0], "--serial", "type=0xA3,id=1,name=Tty,delay=5000"});
  {
    // Leaves a delayed answer pending (a timer) and closes the port again.
    SerialPeer port(sim.pty_path());
    port.write(build_search_request(frame::kLinkSerial));
  }
  const double before = cpu_seconds(sim.pid());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const double used = cpu_seconds(sim.pid()) - before;
  // A busy loop would take most of that second; waiting takes none.
  EXPECT_LT(used, 0.25);
}

}  // namespace
}  // namespace vela::test
