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

}  // namespace vela::multiviewer::device_defaults
