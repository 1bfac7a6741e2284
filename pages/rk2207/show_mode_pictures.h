#pragma once
// The pictures of the two show-mode pages (RK2207 and LM5530): the page
// background and one key per show mode, drawn from the show-mode table.
#include <QSize>

namespace vela::show_mode_picture {

// The page background, stretched over the page.
constexpr int background = 187;
constexpr QSize background_size(1280, 585);

// Mode m (0 to 15) has normal 309 + 2m and selected 310 + 2m.
constexpr int first = 309;
constexpr QSize size(68, 48);
constexpr int normal(int mode) { return first + 2 * mode; }
constexpr int selected(int mode) { return first + 2 * mode + 1; }

}  // namespace vela::show_mode_picture

namespace vela {

// Registers the drawers of these pictures with the skin. Idempotent.
void register_show_mode_pictures();

}  // namespace vela
