#pragma once
// Text for JSON lines (the simulator's log, the panel's protocol trace).
#include <string>

#include "frame.h"

namespace vela {

// The bytes as a JSON string literal (with quotes); bytes are taken as
// Latin-1 characters, control and non-ASCII characters as \u00XX.
std::string json_string(ByteView bytes);
std::string json_string(const std::string& text);

}  // namespace vela
