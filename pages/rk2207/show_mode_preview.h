#pragma once
// The 720 x 480 preview of a show-mode device's output picture: a grey
// canvas with each window of the mode framed and numbered.
#include <QImage>

#include "rk2207_state.h"

namespace vela {

QImage make_show_mode_canvas();
// Paints the whole canvas (made by make_show_mode_canvas) for `windows`.
void paint_show_mode_preview(QImage& canvas, const WindowSlots& windows);

}  // namespace vela
