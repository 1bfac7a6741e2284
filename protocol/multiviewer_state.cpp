#include "multiviewer_state.h"

namespace vela {

void MultiviewerState::set_meter_display(std::uint8_t value) {
  m_all_16_view_page_data.audio_meter_enable = value;
  m_meter_visible = value != 0 ? 1 : 0;
}

void MultiviewerState::set_label_display(std::uint8_t value) {
  m_all_16_view_page_data.umd_enable = value;
  m_umd_visible = value != 0 ? 1 : 0;
}

void MultiviewerState::set_resolution_display(std::uint8_t value) {
  m_all_16_view_page_data.resolution_enable = value;
  m_resolution_visible = value != 0 ? 1 : 0;
}

}  // namespace vela
