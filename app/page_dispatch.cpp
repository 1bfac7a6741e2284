#include "page_dispatch.h"

#include "device_types.h"
#include "link_session.h"

namespace vela {
namespace {

PageKind listed_page(std::uint8_t type) {
  switch (type) {
    case device_type::kRk2207:
      return PageKind::Rk2207;
    case device_type::kMatrix:
    case device_type::kMatrixB:
      return PageKind::Matrix;
    case device_type::kMultiviewer16:
    case device_type::kMultiviewer10:
      return PageKind::Multiviewer;
    case device_type::kLm5530:
      return PageKind::Lm5530;
    case device_type::kSwitcher:
      return PageKind::Switcher;
    default:
      return PageKind::None;
  }
}

}  // namespace

PageChoice choose_page(std::int32_t connection_mode, std::uint8_t entry_type, std::uint8_t serial_type) {
  if (connection_mode == connection_mode::kNetwork) {
    const PageKind kind = listed_page(entry_type);
    if (kind != PageKind::None) return {kind, false, false};
    return {PageKind::Switcher, true, false};
  }
  if (connection_mode == connection_mode::kSerial) {
    const PageKind kind = listed_page(serial_type);
    if (kind != PageKind::None) return {kind, false, false};
    return {PageKind::Lm5530, true, true};
  }
  return {};
}

}  // namespace vela
