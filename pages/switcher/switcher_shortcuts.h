#pragma once
// The switcher page's keyboard: number keys take a source to the preview
// bus, with Ctrl to the program bus, C cuts, A runs Auto, F1 shows the keys
// over the page. A key clicks the very key of the page, so it sends and
// lights exactly what the click does. No key acts while a text field has
// the focus; Space and Enter keep their meaning (the focused key, the
// duration field).
#include <QObject>

#include "switcher/switcher_shortcut_table.h"

class QWidget;
class QKeySequence;
class QAbstractButton;

namespace vela {

class SwitcherKeyHost;
class SwitcherShortcutOverlay;

// True while the keyboard goes to a field that takes text.
bool text_field_has_focus();

class SwitcherShortcuts : public QObject {
  Q_OBJECT
 public:
  // Keys of `page`, whose buttons `keys` finds.
  SwitcherShortcuts(QWidget& page, const SwitcherKeyHost& keys);

  SwitcherShortcutOverlay* overlay() const { return m_overlay; }

 private:
  void bind(const QKeySequence& keys, QAbstractButton* button);

  QWidget& m_page;
  SwitcherShortcutOverlay* m_overlay = nullptr;
};

}  // namespace vela
