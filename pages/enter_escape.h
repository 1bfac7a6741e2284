#pragma once
// No window of the panel closes by keyboard: a window that says so swallows
// Enter and Escape in its own key handling, after any control that gives
// Enter a meaning (a label field) has had it.
class QKeyEvent;

namespace vela {

// True for Enter, Return and Escape: the event is accepted and
// " mian  esc  \n" written. False (event untouched) for every other key.
bool swallow_enter_escape(QKeyEvent* event);

}  // namespace vela
