#include "multiviewer_settings_changes.h"

#include <algorithm>

#include "diagnostics.h"
#include "multiviewer_device_rules.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_preview.h"
#include "multiviewer_protocol.h"
#include "record_changes.h"

namespace vela::multiviewer_settings_changes {
namespace {

namespace mv = multiviewer;

using DisplaySetter = void (MultiviewerState::*)(std::uint8_t);
using Recomputation = void (*)(MultiviewerState&);

void switch_display(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t command_code,
                    DisplaySetter store, Recomputation recompute, std::uint8_t value) {
  (state.*store)(value);
  if (multiviewer_exchanges::send(link, command_code, mv::switch_payload(value))) {
    recompute(state);
    state.settings_origin.mark_sent();
  }
  changes.changed(RecordPart::MultiviewerSettings);
}

void set_setting(LinkSession& link, MultiviewerState& state, RecordChanges& changes,
                 std::uint8_t MultiviewerSettings::*field, std::uint8_t command_code, std::uint8_t value) {
  state.m_settings.*field = value;
  if (multiviewer_exchanges::send(link, command_code, mv::switch_payload(value))) state.settings_origin.mark_sent();
  changes.changed(RecordPart::MultiviewerSettings);
}

}  // namespace

void send_layout(LinkSession& link, MultiviewerState& state, RecordChanges& changes, int index) {
  state.m_settings.mode_type = static_cast<std::uint8_t>(index);
  const std::optional<mv::LayoutEntry> layout = mv::layout_at(index);
  if (!layout) {
    changes.changed(RecordPart::MultiviewerSettings);
    return;
  }
  if (multiviewer_exchanges::send(link, mv::code::kLayout, mv::layout_payload(layout->code))) {
    // The boxes read the window rectangles, so the geometry goes first.
    mv::recompute_window_geometry(state);
    mv::recompute_label_boxes(state);
    mv::recompute_resolution_boxes(state);
    mv::recompute_meter_boxes(state);
    state.settings_origin.mark_sent();
  }
  state.m_layout_window_count = layout->code;
  diag("m_p_glo_main_set_or_get_dlg->m_cur_window_count = %d \n ", state.m_layout_window_count);
  changes.changed(RecordPart::MultiviewerSettings);
}

void set_output_resolution(LinkSession& link, MultiviewerState& state, RecordChanges& changes, int position) {
  state.m_settings.resolution_type = static_cast<std::uint8_t>(position);
  const std::optional<mv::ResolutionEntry> resolution = mv::resolution_at(position);
  if (resolution) {
    if (multiviewer_exchanges::send(link, mv::code::kOutputResolution, mv::output_resolution_payload(resolution->code))) {
      state.settings_origin.mark_sent();
    }
  }
  changes.changed(RecordPart::MultiviewerSettings);
}

void set_resolution_labels(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value) {
  switch_display(link, state, changes, mv::code::kResolutionLabelSwitch, &MultiviewerState::set_resolution_display,
                 mv::recompute_resolution_boxes, value);
}

void set_meters(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value) {
  switch_display(link, state, changes, mv::code::kMeterSwitch, &MultiviewerState::set_meter_display,
                 mv::recompute_meter_boxes, value);
}

void switch_labels(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value) {
  switch_display(link, state, changes, mv::code::kLabelSwitch, &MultiviewerState::set_label_display,
                 mv::recompute_label_boxes, value);
}

void set_audio_source(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t channel) {
  set_setting(link, state, changes, &MultiviewerSettings::audio_source_channel, mv::code::kAudioSource, channel);
}

void set_border(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value) {
  set_setting(link, state, changes, &MultiviewerSettings::border_enable, mv::code::kBorderSwitch, value);
}

void set_lock(LinkSession& link, MultiviewerState& state, RecordChanges& changes, std::uint8_t value) {
  set_setting(link, state, changes, &MultiviewerSettings::lock_state, mv::code::kLock, value);
}

void set_window_colour(LinkSession& link, MultiviewerState& state, RecordChanges& changes, WindowColours colours,
                       std::uint8_t command_code, std::uint8_t channel, std::uint8_t colour) {
  std::uint8_t(&list)[mv::kWindowCount] = state.m_settings.*colours;
  if (channel == 0) {
    std::fill(std::begin(list), std::end(list), colour);
  } else if (channel <= mv::kWindowCount) {
    list[channel - 1] = colour;
  }
  if (command_code == mv::code::kLabelBackColour) mv::recompute_label_boxes(state);
  if (multiviewer_exchanges::send(link, command_code, mv::colour_payload(channel, colour))) {
    if (command_code == mv::code::kResolutionBackColour) mv::recompute_resolution_boxes(state);
    state.settings_origin.mark_sent();
  }
  changes.changed(RecordPart::MultiviewerSettings);
}

void restore_defaults(LinkSession& link, MultiviewerState& state, RecordChanges& changes,
                      std::uint8_t model_window_count) {
  if (multiviewer_exchanges::send(link, mv::code::kDefaults, mv::defaults_payload())) {
    mv::device_defaults::apply(state, model_window_count);
    mv::recompute_preview(state);
    state.settings_origin.mark_sent();
  }
  changes.changed(RecordPart::MultiviewerSettings);
}

}  // namespace vela::multiviewer_settings_changes
