#pragma once
// Style sheets shared by the shell's windows, so that every list and button
// of the shell looks the same.
#include <QString>

namespace vela {

// Drop-down lists: RGB(60, 180, 255) on RGB(58, 58, 58), the accent rim on hover.
QString drop_down_list_style();
// Push buttons in the dark skin: light caption on a dark key.
QString push_button_style();

}  // namespace vela
