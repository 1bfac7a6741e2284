#pragma once
// What the operator gives one window of the multiviewer: its label and its
// input. Each is stored in the record, sent, and announced as the windows'
// labels and sources once its frame left (or could not), so the preview and
// every sub-page that shows them follow.
#include <cstdint>
#include <string>

#include "multiviewer_state.h"

namespace vela {

class LinkSession;
class RecordChanges;

namespace multiviewer_window_changes {

// Window `window` (1 to 16) is labelled `label`.
void set_label(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t window,
               const std::u16string& label);

// Window `window` (1 to 16) shows input `input` (1 to 16).
void set_source(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t window,
                std::uint8_t input);

}  // namespace multiviewer_window_changes
}  // namespace vela
