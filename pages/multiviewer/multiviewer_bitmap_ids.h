#pragma once
// The ids of the multiviewer page's pictures, for the tables that name them
// (the sub-page buttons, the layout buttons, the signal lamps).
#include <QSize>

namespace vela::multiviewer_bitmap {

// Sub-page buttons, normal / selected.
constexpr int status_normal = 202, status_selected = 203;
constexpr int control_normal = 192, control_selected = 193;
constexpr int umd_normal = 204, umd_selected = 205;
constexpr int audio_normal = 185, audio_selected = 186;
constexpr int color_normal = 189, color_selected = 190;
constexpr int setting_normal = 200, setting_selected = 201;

// Layout buttons: layout index i has normal 171 + 2i and selected 172 + 2i.
constexpr int first_layout = 171;
constexpr QSize layout_size(80, 57);
constexpr int layout_normal(int index) { return first_layout + 2 * index; }
constexpr int layout_selected(int index) { return first_layout + 2 * index + 1; }

// Signal lamps, icons of 32 x 32.
constexpr int lamp_signal = 375;
constexpr int lamp_no_signal = 376;
constexpr QSize lamp_size(32, 32);

}  // namespace vela::multiviewer_bitmap
