#include "lever_rules.h"

#include <algorithm>
#include <cstdio>

namespace vela::lever {
namespace {

constexpr long long kLargest = 10'000'000;  // keeps every sum inside an int

// The leading signed decimal number of `text` (0 when there is none); the
// text after it is left in `text`.
long long take_number(std::string_view& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long n = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    n = std::min(kLargest, n * 10 + (text[i] - '0'));
    ++i;
  }
  text.remove_prefix(i);
  return negative ? -n : n;
}

}  // namespace

int duration_ms(std::string_view text) {
  const long long first = take_number(text);
  if (text.empty() || text.front() != ':') return static_cast<int>(first * 10);
  text.remove_prefix(1);
  const long long hundredths = take_number(text);
  return static_cast<int>(first * 1000 + hundredths * 10);
}

std::string normalised_duration(std::string_view text) {
  const int ms = std::max(duration_ms(text), 1000);
  char out[32];
  std::snprintf(out, sizeof out, "%02d:%02d", ms / 1000, ms % 1000 / 10);
  return out;
}

int auto_period_ms(int duration_ms) { return std::max(1, duration_ms / kAutoSteps); }

}  // namespace vela::lever
