#pragma once
// The matrix page's pictures: the numbered input and output keys, the page
// and sub-page backgrounds, the tabs, the four action keys and the serial
// status icons.
#include <QRect>
#include <QSize>

namespace vela::matrix_bitmap {

// Key n (1..8) of either row: grey 213 + 2(n - 1), green 214 + 2(n - 1).
constexpr int first_digit = 213;
constexpr QSize digit_size(60, 65);
constexpr int digit_grey(int n) { return first_digit + 2 * (n - 1); }
constexpr int digit_green(int n) { return first_digit + 2 * (n - 1) + 1; }

constexpr int page_background = 229;  // 1280 x 585, stretched over the page
constexpr QSize page_background_size(1280, 585);
constexpr int control_background = 230;  // 490 x 420
constexpr int setting_background = 194;  // 490 x 420, plain dark grey
constexpr QSize sub_page_size(490, 420);

constexpr int control_tab = 192, control_tab_active = 193;
constexpr QSize control_tab_size(80, 75);
constexpr int setting_tab = 200, setting_tab_active = 201;
constexpr QSize setting_tab_size(90, 75);

constexpr int lock_off = 231, lock_on = 232;
constexpr QSize lock_size(140, 65);
constexpr int one_to_all = 233;
constexpr QSize one_to_all_size(220, 60);
constexpr int one_to_one = 234;
constexpr QSize one_to_one_size(220, 65);
constexpr int apply = 235;
constexpr QSize apply_size(140, 65);

// Serial status icons of the connection sub-page (the connection dialog's).
constexpr int status_disconnected = 211;
constexpr int status_connected = 212;
constexpr QSize status_icon_size(32, 32);

}  // namespace vela::matrix_bitmap

namespace vela::matrix_layout {

// Page pixels: the input row, the output row and the sub-page area.
constexpr QPoint input_key(int n) { return {80 + 68 * (n - 1), 180}; }
constexpr QPoint output_key(int n) { return {80 + 68 * (n - 1), 380}; }
constexpr QRect sub_page_area(750, 105, 490, 420);

}  // namespace vela::matrix_layout

namespace vela {

// Registers the drawers of every matrix picture with the skin. Idempotent.
void register_matrix_bitmaps();

}  // namespace vela
