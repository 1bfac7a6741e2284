#pragma once
// The switcher page's keyboard as a table: what binds the keys and what
// shows them over the page both read it, so the two cannot drift.
#include <Qt>

namespace vela {

// One line of the keyboard: which keys, what they do.
struct SwitcherShortcut {
  enum class Target { Preview, Program, Cut, Auto };
  Target target;
  Qt::KeyboardModifiers modifiers;
  Qt::Key key;         // the first of eight keys on a bus line
  const char* legend;  // the keys as the overlay prints them, caps split at '+'
  const char* action;
};

inline constexpr SwitcherShortcut kSwitcherShortcuts[] = {
    {SwitcherShortcut::Target::Preview, Qt::NoModifier, Qt::Key_1, "1 \u2013 8", "Source 1 to 8 on the preview bus"},
    {SwitcherShortcut::Target::Program, Qt::ControlModifier, Qt::Key_1, "Ctrl+1 \u2013 8",
     "Source 1 to 8 on the program bus"},
    {SwitcherShortcut::Target::Cut, Qt::NoModifier, Qt::Key_C, "C", "Cut"},
    {SwitcherShortcut::Target::Auto, Qt::NoModifier, Qt::Key_A, "A", "Auto transition"},
};
inline constexpr int kBusShortcutCount = 8;
inline constexpr Qt::Key kShortcutHelpKey = Qt::Key_F1;

}  // namespace vela
