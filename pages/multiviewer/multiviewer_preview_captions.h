#pragma once
// The texts above and below the multiviewer preview: the settings that
// matter on air and what the last status poll reported. A part of the
// record that is not known reads as not known, never as its start value.
#include <QString>

#include "multiviewer_state.h"

namespace vela {

// "4 WINDOWS   ·   1080P60   ·   LOCKED", or "SETTINGS NOT KNOWN".
QString preview_header_facts(const MultiviewerState& state);
// "SIGNAL 3 / 16   ·   BORDERS ON   ·   LOCK OFF", a dash for each part
// not known.
QString preview_footer_facts(const MultiviewerState& state, int window_count);
// Whether every part the two texts name is known (they are drawn dimmed
// otherwise).
bool preview_facts_known(const MultiviewerState& state);

}  // namespace vela
