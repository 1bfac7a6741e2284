#pragma once
// Device names in a search reply. The name area is bytes 18 .. N-4; every
// "-", any byte, "-" pattern at position p ends a name made of bytes 18 .. p-1
// (so a second pattern yields a name that contains the first).
#include <string>
#include <vector>

#include "frame.h"

namespace vela {

inline constexpr std::size_t kNameAreaOffset = 18;

// Names are the raw bytes, one character per byte (Latin-1). frame.size() is N.
std::vector<std::string> find_device_names(ByteView frame);

}  // namespace vela
