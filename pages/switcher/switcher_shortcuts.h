#pragma once
// The switcher page's keyboard: number keys take a source to the preview
// bus, with Ctrl to the program bus, C cuts, A runs Auto, F1 shows the keys
// over the page. A key clicks the very key of the page, so it sends and
// lights exactly what the click does. No key acts while a text field has
// the focus; Space and Enter keep their meaning (the focused key, the
// duration field).
#include <QObject>
#include <Qt>

class SwitcherPage;
class QKeySequence;
class QAbstractButton;

namespace vela {

class SwitcherShortcutOverlay;

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

// True while the keyboard goes to a field that takes text.
bool text_field_has_focus();

class SwitcherShortcuts : public QObject {
  Q_OBJECT
 public:
  explicit SwitcherShortcuts(SwitcherPage& page);

  SwitcherShortcutOverlay* overlay() const { return m_overlay; }

 private:
  void bind(const QKeySequence& keys, QAbstractButton* button);

  SwitcherPage& m_page;
  SwitcherShortcutOverlay* m_overlay = nullptr;
};

}  // namespace vela
