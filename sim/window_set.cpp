#include "window_set.h"

#include <charconv>

#include "errors.h"

namespace vela::sim {
namespace {

int parse_window(const std::string& part, const std::string& digits) {
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || number < 1 ||
      number > multiviewer::kWindowCount)
    throw UsageError("windows '" + part + "': expected all, none or windows 1 to 16 such as 1-4,9");
  return number;
}

}  // namespace

WindowSet parse_window_set(const std::string& text) {
  WindowSet windows;
  if (text == "all") return windows.set();
  if (text == "none") return windows;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string part = text.substr(start, comma - start);
    const std::size_t dash = part.find('-');
    const int first = parse_window(part, part.substr(0, dash));
    const int last = dash == std::string::npos ? first : parse_window(part, part.substr(dash + 1));
    if (last < first) throw UsageError("windows '" + part + "': the range runs backwards");
    for (int w = first; w <= last; ++w) windows.set(w - 1);
    if (comma == std::string::npos) return windows;
    start = comma + 1;
  }
}

}  // namespace vela::sim
