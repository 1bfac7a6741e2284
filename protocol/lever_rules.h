#pragma once
// The switcher's transition lever and Auto transition in numbers: lever
// ends, transition values, the Auto step and the duration text. Lever
// positions run from 0 at the top to 129 at the bottom; the direction d says
// which end completes the next transition (1: the top, 0: the bottom).
#include <cstdint>
#include <string>
#include <string_view>

namespace vela::lever {

inline constexpr int kTop = 0;
inline constexpr int kBottom = 129;
inline constexpr std::uint8_t kFirstValue = 1;
inline constexpr std::uint8_t kLastValue = 128;
inline constexpr int kAutoSteps = 128;

// The end the lever rests at between transitions, and the one it is pushed to.
constexpr int start_end(std::uint8_t direction) { return direction == 1 ? kBottom : kTop; }
constexpr int completing_end(std::uint8_t direction) { return direction == 1 ? kTop : kBottom; }

// Value of a position between the ends: 1 next to the start end, 128 next
// to the completing end, whichever way the lever is pushed.
constexpr std::uint8_t transition_value(int position, std::uint8_t direction) {
  return static_cast<std::uint8_t>(direction == 1 ? kBottom - position : position);
}

// What a press on the lever sends: the ends count as their neighbours, so
// a press at rest sends 1 and no press sends 0 or 129.
constexpr std::uint8_t press_value(int position, std::uint8_t direction) {
  const int inside = position >= kBottom ? kBottom - 1 : (position <= kTop ? kTop + 1 : position);
  return transition_value(inside, direction);
}

// One Auto step from `position` towards the completing end of `direction`,
// never past an end.
constexpr int auto_step(int position, std::uint8_t direction) {
  const int next = position + (direction == 1 ? -1 : 1);
  return next < kTop ? kTop : (next > kBottom ? kBottom : next);
}
constexpr bool at_an_end(int position) { return position == kTop || position == kBottom; }

// The duration text counts seconds and hundredths, "SS:CC"; a bare number
// is hundredths (what the operator types into the four-character field).
// A missing number counts as 0.
int duration_ms(std::string_view text);
// The text Enter leaves in the field: the same duration, at least one
// second, as two numbers of at least two digits.
std::string normalised_duration(std::string_view text);
// Auto's step period: 128 steps over the duration, at least 1 ms.
int auto_period_ms(int duration_ms);

}  // namespace vela::lever
