#include "deadline.h"

#include <gtest/gtest.h>

#include <climits>

namespace vela {
namespace {

// Ticks are given explicitly, so the window's edges are exact.
TEST(Deadline, EndsOnlyWhenMoreThanTheWindowHasPassed) {
  constexpr std::int64_t kStart = 1'000'000;
  const struct {
    int window;
    std::int64_t now;
    bool expired;
    int remaining;
  } cases[] = {
      {200, kStart, false, 201},       {200, kStart + 199, false, 2},
      {200, kStart + 200, false, 1},  // the window's last tick: wait one more, do not spin
      {200, kStart + 201, true, 0},    {200, kStart + 5000, true, 0},  // never negative
      {0, kStart, false, 1},           {0, kStart + 1, true, 0},
      {2000, kStart - 3, false, 2004},  // a clock read before the start still counts to the same end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "window " << c.window << ", now start+" << (c.now - kStart));
    const Deadline deadline(kStart, c.window);
    EXPECT_EQ(deadline.expired_at(c.now), c.expired);
    EXPECT_EQ(deadline.remaining_ms_at(c.now), c.remaining);
    // Waiting the remaining time always lands on the first tick past the window.
    if (!c.expired) {
      EXPECT_TRUE(deadline.expired_at(c.now + c.remaining));
      EXPECT_FALSE(deadline.expired_at(c.now + c.remaining - 1));
    }
  }
}

TEST(Deadline, RemainingTimeOfAHugeWindowFitsAPollTimeout) {
  const Deadline deadline(0, INT_MAX);
  EXPECT_EQ(deadline.remaining_ms_at(0), INT_MAX);
  EXPECT_FALSE(deadline.expired_at(INT_MAX));
}

TEST(Deadline, RestartMovesTheStartToNow) {
  Deadline deadline(0, 100);
  ASSERT_TRUE(deadline.expired());  // tick 0 is long past
  const std::int64_t before = tick_ms();
  deadline.restart();
  const std::int64_t after = tick_ms();
  EXPECT_GE(deadline.start_tick(), before);
  EXPECT_LE(deadline.start_tick(), after);
  EXPECT_EQ(deadline.window_ms(), 100);
}

}  // namespace
}  // namespace vela
