#include "search_names.h"

#include "diagnostics.h"

namespace vela {

std::vector<std::string> find_device_names(ByteView frame) {
  std::vector<std::string> names;
  const std::size_t n = frame.size();
  if (n < kNameAreaOffset + 4) return names;  // no name area at all
  // p runs to N-4; p+2 stays inside the frame (at most the checksum's high byte).
  for (std::size_t p = kNameAreaOffset; p + 4 <= n; ++p) {
    if (frame[p] == '-' && frame[p + 2] == '-') {
      const auto length = static_cast<int>(p - kNameAreaOffset);
      diag("nameLength = %d  \n", length);
      names.emplace_back(reinterpret_cast<const char*>(frame.data() + kNameAreaOffset), p - kNameAreaOffset);
    }
  }
  return names;
}

}  // namespace vela
