#pragma once
// Preview geometry of the multiviewer's output picture (720 x 480): window
// rectangles per layout, and the meter, label and resolution boxes derived
// from each window.
#include <array>
#include <span>

#include "multiviewer_state.h"

namespace vela::multiviewer {

inline constexpr int kPreviewWidth = 720;
inline constexpr int kPreviewHeight = 480;

// The rectangles of layout `index`, windows 1..n in order (empty for an
// index outside the mode table).
std::span<const PreviewBox> layout_rectangles(int index);

PreviewBox meter_box(const PreviewWindow& window);
PreviewBox label_box(const PreviewWindow& window);
PreviewBox resolution_box(const PreviewWindow& window);

// The four recomputations. Boxes read the current window rectangles, so
// after a layout change the window geometry goes first.
void recompute_window_geometry(MultiviewerState& state);
void recompute_meter_boxes(MultiviewerState& state);
void recompute_label_boxes(MultiviewerState& state);
void recompute_resolution_boxes(MultiviewerState& state);
// All four, in that order.
void recompute_preview(MultiviewerState& state);

}  // namespace vela::multiviewer
