#pragma once
// One line of the control channel, which changes devices of a running
// simulator (NAME may hold spaces; the last word is the value):
//   signal NAME WINDOWS   the windows of a multiviewer whose input carries a
//                         signal: "all", "none" or e.g. "1-4,9"
//   silent NAME on|off    the device stops or starts answering
//   line NAME cut         the serial device closes its terminal: the line
//                         goes away under whoever holds it, for good
#include <string>
#include <variant>

#include "window_set.h"

namespace vela::sim {

struct SignalLine {
  std::string device;
  WindowSet windows;
};

struct SilentLine {
  std::string device;
  bool silent = false;
};

struct CutLine {
  std::string device;
};

using ControlLine = std::variant<SignalLine, SilentLine, CutLine>;

// Throws UsageError saying what is wrong with the line.
ControlLine parse_control_line(const std::string& line);

// The device a line names.
const std::string& device_of(const ControlLine& line);

}  // namespace vela::sim
