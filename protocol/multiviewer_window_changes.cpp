#include "multiviewer_window_changes.h"

#include "diagnostics.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_protocol.h"
#include "record_changes.h"

namespace vela::multiviewer_window_changes {

namespace mv = multiviewer;

void set_label(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t window,
               const std::u16string& label) {
  if (window < 1 || window > mv::kWindowCount) return;
  state.m_window_label[window - 1] = label;
  const Bytes payload = mv::label_text_payload(window, label);
  diag("sendLen = %d \n ", static_cast<int>(frame::kOverhead + payload.size()));
  if (multiviewer_exchanges::send(link, mv::code::kLabelText, payload)) state.settings_origin.mark_sent();
  changes.changed(RecordPart::MultiviewerLabels);
}

void set_source(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t window,
                std::uint8_t input) {
  if (window < 1 || window > mv::kWindowCount) return;
  state.m_source_window = window;
  state.m_window_source[window - 1] = input;
  if (multiviewer_exchanges::send(link, mv::code::kWindowSource, mv::window_source_payload(input, window))) {
    state.settings_origin.mark_sent();
  }
  changes.changed(RecordPart::MultiviewerLabels);
}

}  // namespace vela::multiviewer_window_changes
