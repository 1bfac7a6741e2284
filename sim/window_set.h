#pragma once
// A set of multiviewer windows 1..16, as written on the command line and on
// the control channel: "all", "none" or numbers and ranges ("1-4,9").
#include <bitset>
#include <string>

#include "multiviewer_tables.h"

namespace vela::sim {

// Bit w - 1 stands for window w.
using WindowSet = std::bitset<multiviewer::kWindowCount>;

// Throws UsageError naming the part it cannot read.
WindowSet parse_window_set(const std::string& text);

}  // namespace vela::sim
