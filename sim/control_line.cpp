#include "control_line.h"

#include "errors.h"

namespace vela::sim {
namespace {

constexpr const char* kForms = "expected 'signal NAME WINDOWS', 'silent NAME on|off' or 'line NAME cut'";

}  // namespace

ControlLine parse_control_line(const std::string& line) {
  const std::size_t first_space = line.find(' ');
  const std::size_t last_space = line.rfind(' ');
  if (first_space == std::string::npos || last_space == first_space) throw UsageError(kForms);
  const std::string keyword = line.substr(0, first_space);
  const std::string device = line.substr(first_space + 1, last_space - first_space - 1);
  const std::string value = line.substr(last_space + 1);
  if (keyword == "signal") return SignalLine{device, parse_window_set(value)};
  if (keyword == "silent") {
    if (value != "on" && value != "off") throw UsageError("silent " + device + " " + value + ": expected on or off");
    return SilentLine{device, value == "on"};
  }
  if (keyword == "line") {
    if (value != "cut") throw UsageError("line " + device + " " + value + ": expected cut");
    return CutLine{device};
  }
  throw UsageError(kForms);
}

const std::string& device_of(const ControlLine& line) {
  return std::visit([](const auto& l) -> const std::string& { return l.device; }, line);
}

}  // namespace vela::sim
