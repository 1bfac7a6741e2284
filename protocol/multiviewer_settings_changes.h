#pragma once
// The multiviewer's settings that more than one sub-page changes: each
// stores the new value in the state record, sends its command and, after a
// frame that left, recomputes the preview boxes the record derives from it.
// Each then announces the settings, so every view that shows them redraws
// after the frame left.
#include <cstdint>

#include "multiviewer_state.h"

namespace vela {

class LinkSession;
class RecordChanges;

namespace multiviewer_settings_changes {

// Layout index 0 to 6; the window count follows the layout.
void send_layout(LinkSession& link, MultiviewerState& state, RecordChanges& changes, int index);
// Resolution list position 0 to 8.
void set_output_resolution(LinkSession& link, MultiviewerState& state, RecordChanges& changes, int position);
// The display switches (0 off, 1 on) of the label, meter and resolution
// boxes in the output picture.
void set_resolution_labels(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value);
void set_meters(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value);
void switch_labels(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value);
// Audio of window `channel` (1 to 16) on the output.
void set_audio_source(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t channel);
void set_border(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value);
void set_lock(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value);

// One colour list of the label or resolution boxes: colour `colour` for
// window `channel` (1 to 16), or for every window when `channel` is 0.
// `command_code` names the list (label text or background, resolution text
// or background), `colours` its array in the settings. The label boxes take
// a new background before the command goes, sent or not; the resolution
// boxes only after a frame that left.
using WindowColours = std::uint8_t (MultiviewerSettings::*)[multiviewer::kWindowCount];
void set_window_colour(LinkSession& link, MultiviewerState& state, RecordChanges& changes, WindowColours colours,
                       std::uint8_t command_code, std::uint8_t channel, std::uint8_t colour);

// The device's defaults: after a frame that left, the record holds them
// (for a model of `model_window_count` windows) and the preview follows.
void restore_defaults(LinkSession& link, MultiviewerState& state, RecordChanges& changes,
                      std::uint8_t model_window_count);

}  // namespace multiviewer_settings_changes
}  // namespace vela
