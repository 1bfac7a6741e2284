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

}  // namespace multiviewer_settings_changes
}  // namespace vela
