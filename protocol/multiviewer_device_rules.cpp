#include "multiviewer_device_rules.h"

namespace vela::multiviewer::device_defaults {

std::uint8_t layout_code(std::uint8_t model_window_count) { return model_window_count == 16 ? 16 : 10; }

void apply(StateReplyFields& fields, std::uint8_t model_window_count) {
  fields.meter_display = kMeterDisplay;
  fields.audio_source = kAudioSource;
  fields.resolution_code = kResolutionCode;
  fields.resolution_display = kResolutionDisplay;
  fields.label_display = kLabelDisplay;
  fields.layout_code = layout_code(model_window_count);
}

void apply(MultiviewerState& state, std::uint8_t model_window_count) {
  MultiviewerSettings& settings = state.m_settings;
  state.set_meter_display(kMeterDisplay);
  settings.audio_source_channel = kAudioSource;
  if (const auto resolution = resolution_of_code(kResolutionCode)) settings.resolution_type = resolution->position;
  state.set_resolution_display(kResolutionDisplay);
  state.set_label_display(kLabelDisplay);
  state.m_layout_window_count = layout_code(model_window_count);
  if (const auto layout = layout_of_code(state.m_layout_window_count)) settings.mode_type = layout->index;
}

}  // namespace vela::multiviewer::device_defaults
