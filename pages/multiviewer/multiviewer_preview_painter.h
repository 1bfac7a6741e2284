#pragma once
// Composes the multiviewer's 720 x 480 preview from the state: window
// frames with their numbers and, where switched on, the meter, label and
// resolution boxes in their colours.
#include <QImage>

#include "multiviewer_state.h"

namespace vela {

// A 720 x 480 image ready for paint_multiviewer_preview.
QImage make_preview_image();
// Paints the whole picture into `image` (made by make_preview_image).
void paint_multiviewer_preview(QImage& image, const MultiviewerState& state);

}  // namespace vela
