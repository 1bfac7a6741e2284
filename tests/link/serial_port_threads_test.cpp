// The serial port used from several threads at once: writes racing a close.
// Meant for the ThreadSanitizer suite, which reports any unguarded access.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "serial_port.h"
#include "frame.h"
#include "pty_peer.h"

namespace vela {
namespace {

// A writer keeps writing while the port is closed under it, by two closers
// at once; each write is either queued before the close began or refused,
// and once closed the port takes nothing until it is opened again.
TEST(SerialPortThreads, WritesRacingACloseAreQueuedOrRefused) {
  constexpr int kRounds = 40;
  test::PtyPeer peer;
  SerialPort port;
  const Bytes frame = build_frame(frame::kLinkSerial, 0xA1, 1, 0x34, Bytes{1, 2, 3});
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    ASSERT_TRUE(port.open(peer.path(), 115200));
    std::atomic<int> accepted{0};
    // Ends at the first refused write, which the close below guarantees.
    std::thread writer([&] {
      while (port.write(frame.data(), static_cast<int>(frame.size())) == static_cast<int>(frame.size())) {
        accepted.fetch_add(1);
      }
    });
    while (accepted.load() == 0) std::this_thread::yield();  // the close meets a writer at work
    std::thread second_closer([&] { port.close(20); });
    port.close(20);
    second_closer.join();
    writer.join();
    EXPECT_GT(accepted.load(), 0);
    EXPECT_FALSE(port.is_open());
    EXPECT_EQ(port.write(frame.data(), static_cast<int>(frame.size())), 0);
  }
}

}  // namespace
}  // namespace vela
