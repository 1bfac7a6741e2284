#pragma once
// The matrix switcher's state, kept by the main window for the whole run.
#include <cstdint>

namespace vela {

struct MatrixState {
  std::int32_t m_eMatrixState = 0;     // 1 after the first input press of the run
  std::uint8_t m_matrix_input = 0;     // selected input 1..8; 0 none
  std::uint8_t m_matrix_btn_lock = 0;  // 0 unlocked, otherwise locked
};

}  // namespace vela
