#pragma once
// The multiviewer page's pictures: the sub-page buttons, the layout buttons
// (drawn from the layout table) and the signal lamps.
#include "multiviewer/multiviewer_bitmap_ids.h"

namespace vela {

// Registers the drawers of every multiviewer picture with the skin. Idempotent.
void register_multiviewer_bitmaps();

}  // namespace vela
