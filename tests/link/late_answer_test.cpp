// An answer that arrives after its reply window is never taken as the answer
// to the next request of the same read.
#include <gtest/gtest.h>

#include <optional>

#include "late_answer_guard.h"
#include "link_session.h"
#include "reply_window_recorder.h"
#include "device_entries.h"
#include "simulated_lan.h"
#include "udp_exchange.h"

namespace vela {
namespace {

using test::SimulatedLan;

TEST(LateAnswerGuard, HoldsBackOnlyTheSameReadToTheSameDeviceForAQuietSecond) {
  const ReadKey lock{"127.0.0.2", static_cast<int>(ReplyRule::Framing), 0};
  LateAnswerGuard guard;
  guard.exchange_ended(lock, 10'000);
  const struct {
    const char* what;
    ReadKey key;
    std::int64_t at;
    int hold_off_ms;
  } cases[] = {
      {"same read at once", lock, 10'000, kLateAnswerQuietMs + 1},
      {"same read later", lock, 10'400, kLateAnswerQuietMs - 399},
      {"same read on the quiet second's last tick", lock, 10'000 + kLateAnswerQuietMs, 1},
      {"same read after the quiet second", lock, 10'001 + kLateAnswerQuietMs, 0},
      {"another device", {"127.0.0.3", lock.rule, 0}, 10'000, 0},
      {"another rule", {lock.device, static_cast<int>(ReplyRule::Code), 0}, 10'000, 0},
      {"another code", {lock.device, static_cast<int>(ReplyRule::Code), 0x51}, 10'000, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(guard.hold_off_ms(c.key, c.at), c.hold_off_ms);
  }
  guard.exchange_ended(lock, 10'500);
  EXPECT_EQ(guard.hold_off_ms(lock, 10'500), kLateAnswerQuietMs + 1) << "the newest exchange counts";
}

// The lock read of the matrix page: the framing rule takes any frame, so
// the late answer to the first query would pass as the second one's.
TEST_F(SimulatedLan, ALateAnswerIsThrownAwayNotTakenByTheNextRequestOfTheSameRead) {
  start({"type=0x81,id=1,name=Slow,delay=300", "type=0x81,id=2,name=Quick"});
  LinkSession session(settings);
  test::list_found_devices(session,
                           {test::device_entry(0, 0, device_address(0)), test::device_entry(0, 0, device_address(1))});
  test::ReplyWindowRecorder windows;
  UdpExchangeOptions lock_read;
  lock_read.rule = ReplyRule::Framing;
  lock_read.window_ms = 200;
  lock_read.purpose = "lock read";
  const auto read_lock = [&](int device) {
    session.choose_device(device);
    return exchange_udp(session.udp_link(), session.current_device(), session.build_request(1, 0x50), lock_read);
  };

  EXPECT_FALSE(read_lock(0)) << "the slow device answers 300 ms after the query";
  EXPECT_FALSE(read_lock(0)) << "the first query's answer arrives while the second waits, and is not its answer";
  EXPECT_TRUE(read_lock(1)) << "another device is not held back";
  EXPECT_TRUE(read_lock(1)) << "a held-back read still takes its own answer";

  ASSERT_EQ(windows.windows.size(), 4u);
  EXPECT_EQ(windows.windows[0].window_ms, 200);
  EXPECT_GT(windows.windows[1].window_ms, 200) << "the wait shown includes the hold-off";
  EXPECT_LE(windows.windows[1].window_ms, 200 + kLateAnswerQuietMs + 1);
  EXPECT_EQ(windows.windows[2].window_ms, 200);
  EXPECT_GT(windows.windows[3].window_ms, 200);
}

}  // namespace
}  // namespace vela
