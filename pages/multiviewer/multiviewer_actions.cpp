#include "multiviewer/multiviewer_actions.h"

#include "diagnostics.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "multiviewer/multiviewer_link.h"
#include "multiviewer_protocol.h"
#include "page_context.h"

namespace vela::multiviewer_actions {
namespace {

namespace mv = multiviewer;

using DisplaySetter = void (MultiviewerState::*)(std::uint8_t);
using Recomputation = void (MultiviewerPreviewHost::*)();

void switch_display(MultiviewerPreviewHost& container, std::uint8_t command_code, DisplaySetter store,
                    Recomputation recompute, std::uint8_t value) {
  PageContext* context = &container.preview_context();
  (context->multiviewer().*store)(value);
  if (multiviewer_link::send(*context, command_code, mv::switch_payload(value))) (container.*recompute)();
  context->record_changes().changed(RecordPart::MultiviewerSettings);
}

void set_setting(PageContext& context, std::uint8_t MultiviewerSettings::*field, std::uint8_t command_code,
                 std::uint8_t value) {
  context.multiviewer().m_all_16_view_page_data.*field = value;
  multiviewer_link::send(context, command_code, mv::switch_payload(value));
  context.record_changes().changed(RecordPart::MultiviewerSettings);
}

}  // namespace

void send_layout(MultiviewerPreviewHost& container, int index) {
  PageContext* context = &container.preview_context();
  MultiviewerState& state = context->multiviewer();
  state.m_all_16_view_page_data.mode_type = static_cast<std::uint8_t>(index);
  const std::optional<mv::LayoutEntry> layout = mv::layout_at(index);
  if (!layout) {
    context->record_changes().changed(RecordPart::MultiviewerSettings);
    return;
  }
  if (multiviewer_link::send(*context, mv::code::kLayout, mv::layout_payload(layout->code))) {
    container.recompute_window_geometry();
    container.recompute_label_boxes();
    container.recompute_resolution_boxes();
    container.recompute_meter_boxes();
  }
  state.m_cur_window_count = layout->code;
  diag("m_p_glo_main_set_or_get_dlg->m_cur_window_count = %d \n ", state.m_cur_window_count);
  context->record_changes().changed(RecordPart::MultiviewerSettings);
}

void set_output_resolution(PageContext& context, int position) {
  context.multiviewer().m_all_16_view_page_data.resolution_type = static_cast<std::uint8_t>(position);
  const std::optional<mv::ResolutionEntry> resolution = mv::resolution_at(position);
  if (resolution) {
    multiviewer_link::send(context, mv::code::kOutputResolution, mv::output_resolution_payload(resolution->code));
  }
  context.record_changes().changed(RecordPart::MultiviewerSettings);
}

void set_resolution_labels(MultiviewerPreviewHost& container, std::uint8_t value) {
  switch_display(container, mv::code::kResolutionLabelSwitch, &MultiviewerState::set_resolution_display,
                 &MultiviewerPreviewHost::recompute_resolution_boxes, value);
}

void set_meters(MultiviewerPreviewHost& container, std::uint8_t value) {
  switch_display(container, mv::code::kMeterSwitch, &MultiviewerState::set_meter_display,
                 &MultiviewerPreviewHost::recompute_meter_boxes, value);
}

void switch_labels(MultiviewerPreviewHost& container, std::uint8_t value) {
  switch_display(container, mv::code::kLabelSwitch, &MultiviewerState::set_label_display,
                 &MultiviewerPreviewHost::recompute_label_boxes, value);
}

void set_audio_source(PageContext& context, std::uint8_t channel) {
  set_setting(context, &MultiviewerSettings::audio_source_channel, mv::code::kAudioSource, channel);
}

void set_border(PageContext& context, std::uint8_t value) {
  set_setting(context, &MultiviewerSettings::border_enable, mv::code::kBorderSwitch, value);
}

void set_lock(PageContext& context, std::uint8_t value) {
  set_setting(context, &MultiviewerSettings::lock_state, mv::code::kLock, value);
}

}  // namespace vela::multiviewer_actions
