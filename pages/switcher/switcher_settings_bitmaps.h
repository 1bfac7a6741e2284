#pragma once
// The pictures of the switcher's transition settings: one button per wipe
// pattern, grey when not chosen and blue when chosen, each showing the
// direction the new picture wipes in as an arrow beside a block.
#include <QPoint>
#include <QSize>
#include <array>

namespace vela {

// Where the wipe moves; the arrow drawn on the pattern's button.
enum class WipeArrow { up_left, up, up_right, left, out_left_right, right, down_left, down, down_right };

struct WipePattern {
  int control_id;
  QPoint place;  // in the sub-page
  int normal_bitmap;
  int lit_bitmap;
  WipeArrow arrow;
};

inline constexpr QSize kWipePatternSize{50, 50};

// By pattern number 0..8 (the wipe pattern payload).
inline constexpr std::array<WipePattern, 9> kWipePatterns = {{
    {1032, {30, 100}, 361, 360, WipeArrow::up_left},
    {1033, {90, 100}, 370, 369, WipeArrow::up},
    {1034, {150, 100}, 367, 366, WipeArrow::up_right},
    {1035, {30, 160}, 362, 355, WipeArrow::left},
    {1036, {90, 160}, 359, 358, WipeArrow::out_left_right},
    {1037, {150, 160}, 368, 363, WipeArrow::right},
    {1038, {30, 220}, 357, 356, WipeArrow::down_left},
    {1043, {90, 220}, 354, 353, WipeArrow::down},
    {1044, {150, 220}, 365, 364, WipeArrow::down_right},
}};

// Registers the drawers of the wipe pattern pictures. Idempotent.
void register_switcher_settings_bitmaps();

}  // namespace vela
