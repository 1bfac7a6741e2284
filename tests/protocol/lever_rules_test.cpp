// The lever's numbers: values by direction, press values, Auto steps and
// the duration text that Enter rewrites and Auto reads.
#include "lever_rules.h"

#include <gtest/gtest.h>

namespace vela::lever {
namespace {

TEST(LeverRules, ValuesRunFromTheStartEndToTheCompletingEndInBothDirections) {
  const struct {
    int position;
    std::uint8_t direction, value, press;
  } cases[] = {
      {128, 1, 1, 1}, {1, 1, 128, 128},   {64, 1, 65, 65}, {129, 1, 0, 1}, {0, 1, 129, 128},
      {1, 0, 1, 1},   {128, 0, 128, 128}, {64, 0, 64, 64}, {0, 0, 0, 1},   {129, 0, 129, 128},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(transition_value(c.position, c.direction), c.value) << c.position << " d " << int(c.direction);
    EXPECT_EQ(press_value(c.position, c.direction), c.press) << c.position << " d " << int(c.direction);
  }
  EXPECT_EQ(start_end(1), kBottom);
  EXPECT_EQ(completing_end(1), kTop);
  EXPECT_EQ(start_end(0), kTop);
  EXPECT_EQ(completing_end(0), kBottom);
}

TEST(LeverRules, AutoStepsTowardsTheCompletingEndAndNeverPastAnEnd) {
  EXPECT_EQ(auto_step(129, 1), 128);
  EXPECT_EQ(auto_step(1, 1), 0);
  EXPECT_EQ(auto_step(0, 1), 0);
  EXPECT_EQ(auto_step(0, 0), 1);
  EXPECT_EQ(auto_step(128, 0), 129);
  EXPECT_EQ(auto_step(129, 0), 129);
  int position = 129, steps = 0;
  while (!at_an_end(position = auto_step(position, 1))) ++steps;
  EXPECT_EQ(steps + 1, 129) << "a whole transition from rest takes 129 ticks";
}

TEST(LeverRules, DurationTextIsSecondsAndHundredthsForEnterAndAutoAlike) {
  const struct {
    const char* text;
    int ms;
    const char* normalised;
  } cases[] = {
      {"02:00", 2000, "02:00"}, {"250", 2500, "02:50"}, {"2:50", 2500, "02:50"},  {"0250", 2500, "02:50"},
      {"2:5", 2050, "02:05"},   {"00:00", 0, "01:00"},  {"", 0, "01:00"},         {"99", 990, "01:00"},
      {"-40", -400, "01:00"},   {":30", 300, "01:00"},  {"9999", 99990, "99:99"}, {"12:", 12000, "12:00"},
      {"abc", 0, "01:00"},      {"100", 1000, "01:00"}, {"1234", 12340, "12:34"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(duration_ms(c.text), c.ms) << c.text;
    EXPECT_EQ(normalised_duration(c.text), c.normalised) << c.text;
    // Enter never changes a duration of a second or more that Auto would run.
    if (c.ms >= 1000) {
      EXPECT_EQ(duration_ms(normalised_duration(c.text)), c.ms) << c.text;
    }
  }
}

TEST(LeverRules, AutoPeriodIsAHundredTwentyEighthOfTheDurationAndAtLeastOneMs) {
  const struct {
    int duration, period;
  } cases[] = {{2000, 15}, {2500, 19}, {0, 1}, {-400, 1}, {127, 1}, {256, 2}, {99990, 781}};
  for (const auto& c : cases) EXPECT_EQ(auto_period_ms(c.duration), c.period) << c.duration;
}

}  // namespace
}  // namespace vela::lever
