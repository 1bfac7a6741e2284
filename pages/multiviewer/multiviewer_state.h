#pragma once
// The multiviewer's state, kept by the main window for the whole run.
#include <array>
#include <cstdint>
#include <string>

namespace vela {

// Settings block, byte packed in this order (the device's state reply and
// the pages read and write it field by field).
#pragma pack(push, 1)
struct MultiviewerSettings {
  std::uint8_t mode_type = 0;
  std::uint8_t resolution_type = 0;
  std::uint8_t resolution_enable = 0;
  std::uint8_t umd_enable = 0;
  std::uint8_t umd_text_color[16] = {};
  std::uint8_t umd_back_color[16] = {};
  std::uint8_t resolution_text_color[16] = {};
  std::uint8_t resolution_back_color[16] = {};
  std::uint8_t audio_meter_enable = 0;
  std::uint8_t audio_source_channel = 0;
  std::uint8_t umd_color_channel = 1;
  std::uint8_t resolution_color_channel = 1;
  std::uint8_t border_enable = 0;
  std::uint8_t lock_state = 0;
};
#pragma pack(pop)
static_assert(sizeof(MultiviewerSettings) == 74);

struct MultiviewerState {
  MultiviewerSettings m_all_16_view_page_data;
  std::uint8_t m_cur_window_count = 0;
  std::array<std::string, 16> m_window_label;
  std::array<std::uint8_t, 16> m_window_source{};
  std::array<std::array<std::uint8_t, 2>, 16> m_window_status{};
  std::uint8_t m_source_window = 0;
  std::int32_t m_meter_visible = 0;
  std::int32_t m_umd_visible = 0;
  std::int32_t m_resolution_visible = 0;
  std::int32_t state_read = 0;

  // What a device selection returns to its initial values: the settings
  // block (zero, colour channels 1).
  void reset_selection_dependent() { m_all_16_view_page_data = MultiviewerSettings{}; }
  // Every window label is one space after start-up.
  void reset_labels() { m_window_label.fill(" "); }
};

}  // namespace vela
