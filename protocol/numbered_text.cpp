#include "numbered_text.h"

namespace vela {

Bytes numbered_text_payload(std::uint8_t number, std::u16string_view text) {
  // The devices take these bytes as they are; the panel gives them no meaning.
  Bytes out{number, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01};
  out.reserve(kNumberedTextHeader + 2 * text.size());
  for (const char16_t unit : text) {
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return out;
}

std::optional<NumberedText> read_numbered_text_payload(ByteView payload) {
  if (payload.size() < kNumberedTextHeader || (payload.size() - kNumberedTextHeader) % 2 != 0) return std::nullopt;
  NumberedText read;
  read.number = payload[0];
  for (std::size_t i = kNumberedTextHeader; i < payload.size(); i += 2) {
    read.text.push_back(static_cast<char16_t>(payload[i] | (payload[i + 1] << 8)));
  }
  return read;
}

}  // namespace vela
