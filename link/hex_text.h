#pragma once
// Frames as text: "A5 6C 14 00 ..." and back.
#include <optional>
#include <string>

#include "frame.h"

namespace vela {

// Uppercase hex bytes separated by single spaces.
std::string to_hex(ByteView bytes);
// Accepts hex bytes separated by spaces (or none, two digits a byte), an
// optional 0x before each. Nothing when the text is not hex.
std::optional<Bytes> try_parse_hex(const std::string& text);
// try_parse_hex for texts known to be valid; invalid text gives no bytes.
Bytes parse_hex(const std::string& text);

}  // namespace vela
