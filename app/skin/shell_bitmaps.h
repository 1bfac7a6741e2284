#pragma once

#include <QRect>
#include <QSize>

// The pictures of the application shell: main window, its buttons, the
// connection dialog, the status icons and the program icon.
namespace vela::shell_bitmap {

constexpr int program_icon = 128;           // icon, 256 x 256
constexpr int close_button = 188;           // 42 x 35
constexpr int connection_background = 191;  // 480 x 400
constexpr int main_background = 195;        // 1280 x 720
constexpr int scan_button = 196;            // 138 x 50
constexpr int max_button = 197;             // 34 x 35
constexpr int min_button = 198;             // 47 x 35
constexpr int set_button = 199;             // 25 x 30
constexpr int status_disconnected = 211;    // icon, status_icon_size
constexpr int status_connected = 212;       // icon, status_icon_size

constexpr QSize status_icon_size(32, 32);

}  // namespace vela::shell_bitmap

// Where the main window puts the controls its background is drawn around
// (client pixels).
namespace vela::shell_layout {

constexpr QRect device_list(80, 68, 480, 30);
constexpr QRect page_area(20, 110, 1240, 580);
// The network the current device answered on, right of the scan button.
constexpr QRect network_note(714, 48, 546, 60);
// The CONNECTION caption of the status strip, beside the set button.
constexpr QRect connection_caption(30, 690, 96, 30);

}  // namespace vela::shell_layout

namespace vela {

// Registers the drawers of every shell picture with the skin. Idempotent.
void register_shell_bitmaps();

}  // namespace vela
