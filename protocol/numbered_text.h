#pragma once
// The text payload form that several families share (multiviewer window
// labels, switcher camera names): a number, the constant bytes 01 00 01 00
// 01 00 01, then the text's UTF-16 code units, low byte first, with no
// terminator.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame.h"

namespace vela {

inline constexpr std::size_t kNumberedTextHeader = 8;  // number and constant bytes

struct NumberedText {
  std::uint8_t number = 0;
  std::u16string text;
};

Bytes numbered_text_payload(std::uint8_t number, std::u16string_view text);
// Nothing for a payload shorter than its header or with half a code unit.
std::optional<NumberedText> read_numbered_text_payload(ByteView payload);

}  // namespace vela
