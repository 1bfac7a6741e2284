#include "multiviewer_state.h"

namespace vela {

void MultiviewerState::set_meter_display(std::uint8_t value) {
  m_settings.audio_meter_enable = value;
  m_meter_visible = value != 0 ? 1 : 0;
}

void MultiviewerState::set_label_display(std::uint8_t value) {
  m_settings.label_enable = value;
  m_labels_visible = value != 0 ? 1 : 0;
}

void MultiviewerState::set_resolution_display(std::uint8_t value) {
  m_settings.resolution_enable = value;
  m_resolution_visible = value != 0 ? 1 : 0;
}

}  // namespace vela
