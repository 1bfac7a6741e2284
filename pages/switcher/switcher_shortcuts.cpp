#include "switcher/switcher_shortcuts.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

#include "skin_button.h"
#include "switcher/switcher_keys.h"
#include "switcher/switcher_page_host.h"
#include "switcher/switcher_shortcut_overlay.h"

namespace vela {

bool text_field_has_focus() {
  QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return false;
  if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) || qobject_cast<QTextEdit*>(focus) ||
      qobject_cast<QPlainTextEdit*>(focus)) {
    return true;
  }
  const auto* combo = qobject_cast<QComboBox*>(focus);
  return combo != nullptr && combo->isEditable();
}

SwitcherShortcuts::SwitcherShortcuts(QWidget& page, const SwitcherKeyHost& keys) : QObject(&page), m_page(page) {
  m_overlay = new SwitcherShortcutOverlay(&page);
  for (const SwitcherShortcut& shortcut : kSwitcherShortcuts) {
    switch (shortcut.target) {
      case SwitcherShortcut::Target::Preview:
      case SwitcherShortcut::Target::Program:
        for (int n = 0; n < kBusShortcutCount; ++n) {
          const auto source = static_cast<std::uint8_t>(n + 1);
          bind(QKeySequence(QKeyCombination(shortcut.modifiers, Qt::Key(shortcut.key + n))),
               keys.bus_button(shortcut.target == SwitcherShortcut::Target::Program, source));
        }
        break;
      case SwitcherShortcut::Target::Cut:
        bind(QKeySequence(QKeyCombination(shortcut.modifiers, shortcut.key)), keys.button(switcher_keys::kCutId));
        break;
      case SwitcherShortcut::Target::Auto:
        bind(QKeySequence(QKeyCombination(shortcut.modifiers, shortcut.key)), keys.button(switcher_keys::kAutoId));
        break;
    }
  }
  auto* help = new QShortcut(QKeySequence(kShortcutHelpKey), &page);
  help->setAutoRepeat(false);
  connect(help, &QShortcut::activated, m_overlay, &SwitcherShortcutOverlay::toggle);
}

void SwitcherShortcuts::bind(const QKeySequence& keys, QAbstractButton* button) {
  auto* shortcut = new QShortcut(keys, &m_page);
  // A held key is one press: a held C must not cut back and forth.
  shortcut->setAutoRepeat(false);
  connect(shortcut, &QShortcut::activated, button, [button] {
    if (!text_field_has_focus()) button->click();
  });
}

}  // namespace vela
