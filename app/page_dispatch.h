#pragma once
// Which page a device type code opens, by connection mode.
#include <cstdint>

namespace vela {

enum class PageKind { None, Rk2207, Matrix, Multiviewer, Lm5530, Switcher };

struct PageChoice {
  PageKind kind = PageKind::None;
  bool type_unlisted = false;           // "the device 's type is wrong \n"
  bool becomes_serial_default = false;  // entry 0 becomes an LM5530 at id 1
};

// Network mode decides by the current entry's type code, serial mode by the
// type the serial replies recorded; any other mode opens no page.
PageChoice choose_page(std::int32_t connection_mode, std::uint8_t entry_type, std::uint8_t serial_type);

}  // namespace vela
