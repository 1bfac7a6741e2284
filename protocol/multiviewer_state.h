#pragma once
// The multiviewer's state, kept by the main window for the whole run: the
// settings block the pages edit, what the device reported, and the preview
// geometry derived from both.
#include <array>
#include <cstdint>
#include <string>

#include "multiviewer_tables.h"
#include "provenance.h"

namespace vela {

// Settings block, byte packed in this order (the device's state reply and
// the pages read and write it field by field).
#pragma pack(push, 1)
struct MultiviewerSettings {
  std::uint8_t mode_type = 0;
  std::uint8_t resolution_type = 0;
  std::uint8_t resolution_enable = 0;
  std::uint8_t label_enable = 0;
  std::uint8_t label_text_colour[16] = {};
  std::uint8_t label_back_colour[16] = {};
  std::uint8_t resolution_text_colour[16] = {};
  std::uint8_t resolution_back_colour[16] = {};
  std::uint8_t audio_meter_enable = 0;
  std::uint8_t audio_source_channel = 0;
  std::uint8_t label_colour_channel = 1;
  std::uint8_t resolution_colour_channel = 1;
  std::uint8_t border_enable = 0;
  std::uint8_t lock_state = 0;
};
#pragma pack(pop)
static_assert(sizeof(MultiviewerSettings) == 74);

// A window of the preview; width or height 0 means the layout has no such
// window.
struct PreviewWindow {
  std::int32_t x = 0, y = 0, width = 0, height = 0, number = 0;
  bool present() const { return width > 0 && height > 0; }
  friend bool operator==(const PreviewWindow&, const PreviewWindow&) = default;
};

struct PreviewBox {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  bool present() const { return width > 0 && height > 0; }
  friend bool operator==(const PreviewBox&, const PreviewBox&) = default;
};

using WindowStatus = std::array<std::array<std::uint8_t, 2>, multiviewer::kWindowCount>;

struct MultiviewerState {
  MultiviewerSettings m_settings;
  std::uint8_t m_layout_window_count = 0;
  // Labels travel as UTF-16 and are kept so, unit for unit.
  std::array<std::u16string, multiviewer::kWindowCount> m_window_label;
  std::array<std::uint8_t, multiviewer::kWindowCount> m_window_source{};
  WindowStatus m_window_status{};
  std::uint8_t m_source_window = 0;
  std::int32_t m_meter_visible = 0;
  std::int32_t m_labels_visible = 0;
  std::int32_t m_resolution_visible = 0;
  // 0 until the first read-back of the run was attempted, then 1 for good.
  std::int32_t state_read = 0;
  // Where the settings block and labels came from, and the window status.
  Provenance settings_origin;
  Provenance status_origin;

  // Preview geometry and colours, recomputed by the settings changes and the
  // page after what they follow changed (never reset by a device selection).
  std::array<PreviewWindow, multiviewer::kWindowCount> m_window_rect{};
  std::array<PreviewBox, multiviewer::kWindowCount> m_meter_rect{};
  std::array<PreviewBox, multiviewer::kWindowCount> m_label_rect{};
  std::array<PreviewBox, multiviewer::kWindowCount> m_resolution_rect{};
  std::array<multiviewer::Rgb, multiviewer::kWindowCount> m_label_rgb{};
  std::array<multiviewer::Rgb, multiviewer::kWindowCount> m_resolution_rgb{};

  // What a device selection returns to its initial values: the settings
  // block (zero, colour channels 1).
  void reset_selection_dependent() { m_settings = MultiviewerSettings{}; }
  // Every window label is one space after start-up.
  void reset_labels() { m_window_label.fill(u" "); }

  // The display switches and their visibility members change together.
  void set_meter_display(std::uint8_t value);
  void set_label_display(std::uint8_t value);
  void set_resolution_display(std::uint8_t value);
};

}  // namespace vela
