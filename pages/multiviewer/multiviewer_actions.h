#pragma once
// The multiviewer's settings that more than one sub-page changes: each
// stores the new value in the state record, sends its command and, after a
// frame that left, recomputes what the preview draws from it.
#include <cstdint>

namespace vela {
class MultiviewerPreviewHost;
class PageContext;
}  // namespace vela

namespace vela::multiviewer_actions {

// Layout index 0 to 6; the window count follows the layout.
void send_layout(MultiviewerPreviewHost& container, int index);
// Resolution list position 0 to 8.
void set_output_resolution(PageContext& context, int position);
// The display switches (0 off, 1 on) of the label, meter and resolution
// boxes in the output picture.
void set_resolution_labels(MultiviewerPreviewHost& container, std::uint8_t value);
void set_meters(MultiviewerPreviewHost& container, std::uint8_t value);
void switch_labels(MultiviewerPreviewHost& container, std::uint8_t value);
// Audio of window `channel` (1 to 16) on the output.
void set_audio_source(PageContext& context, std::uint8_t channel);
void set_border(PageContext& context, std::uint8_t value);
void set_lock(PageContext& context, std::uint8_t value);

}  // namespace vela::multiviewer_actions
