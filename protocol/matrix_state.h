#pragma once
// The matrix switcher's state, kept by the main window for the whole run.
#include <array>
#include <cstdint>

#include "provenance.h"

namespace vela {

namespace matrix {
inline constexpr int kInputCount = 8;
inline constexpr int kOutputCount = 8;
}  // namespace matrix

// Entry j - 1 is the input last routed to output j (1..8); 0 = none.
using MatrixRoutes = std::array<std::uint8_t, matrix::kOutputCount>;

struct MatrixState {
  std::int32_t m_input_pressed_this_run = 0;     // 1 after the first input press of the run
  std::uint8_t m_chosen_input = 0;     // selected input 1..8; 0 none
  MatrixRoutes m_routes{};       // the panel's own record; never read back
  std::uint8_t m_buttons_locked = 0;  // 0 unlocked, otherwise locked
  Provenance lock_origin;
};

}  // namespace vela
