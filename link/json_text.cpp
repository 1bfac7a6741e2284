#include "json_text.h"

#include <cstdio>

namespace vela {

std::string json_string(ByteView bytes) {
  std::string out = "\"";
  for (std::uint8_t b : bytes) {
    if (b == '"' || b == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(b));
    } else if (b >= 0x20 && b < 0x7F) {
      out.push_back(static_cast<char>(b));
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", b);
      out += escape;
    }
  }
  return out + "\"";
}

std::string json_string(const std::string& text) {
  return json_string(ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace vela
