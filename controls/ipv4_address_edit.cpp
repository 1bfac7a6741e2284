#include "ipv4_address_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

#include "style_sheets.h"

using vela::Ipv4TypingRules;

namespace {

constexpr int kRefusalShownMs = 800;
// Keeps out of a part what does not come through the keys handled here
// (input methods): up to three digits, 0..255.
const QRegularExpression kPartPattern(QStringLiteral("[01]?[0-9]{0,2}|2[0-4][0-9]|25[0-5]"));

bool is_modifier_key(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      return true;
    default:
      return false;
  }
}

bool is_dot_key(int key) { return key == Qt::Key_Period || key == Qt::Key_Comma; }

// Makes in a part's text field the change the rules made to that part.
void repeat(QLineEdit* edit, const Ipv4TypingRules::Edit& change) {
  using Kind = Ipv4TypingRules::Edit::Kind;
  switch (change.kind) {
    case Kind::SetText:
      edit->setText(change.text);
      break;
    case Kind::Clear:
      edit->clear();
      break;
    case Kind::EraseBefore:
      edit->backspace();
      break;
    case Kind::EraseAfter:
      edit->del();
      break;
    case Kind::PlaceCaret:
      edit->setCursorPosition(change.position);
      break;
    case Kind::CaretToStart:
      edit->home(false);
      break;
    case Kind::CaretToEnd:
      edit->end(false);
      break;
    case Kind::SelectAllText:
      edit->selectAll();
      break;
    case Kind::Deselect:
      edit->deselect();
      break;
    case Kind::Focus:
      edit->setFocus(Qt::OtherFocusReason);
      break;
  }
}

}  // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent), m_refusal_timer(new QTimer(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setStyleSheet(vela::ipv4_address_edit_style());
  m_refusal_timer->setSingleShot(true);
  m_refusal_timer->setInterval(kRefusalShownMs);
  connect(m_refusal_timer, &QTimer::timeout, this, [this] { show_refusal(false); });

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 0, 6, 0);
  layout->setSpacing(0);
  auto* validator = new QRegularExpressionValidator(kPartPattern, this);
  for (int i = 0; i < kFieldCount; ++i) {
    if (i > 0) {
      auto* dot = new QLabel(QStringLiteral("."), this);
      dot->setObjectName(QStringLiteral("ipv4Dot"));
      dot->setAlignment(Qt::AlignCenter);
      layout->addWidget(dot);
    }
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("ipv4Field%1").arg(i));
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(kPartDigits);
    edit->setValidator(validator);
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
    layout->addWidget(edit, 1);
    m_fields[static_cast<std::size_t>(i)] = edit;
  }
  setFocusProxy(m_fields[0]);
}

Ipv4TypingRules::Parts Ipv4AddressEdit::shown_parts() const {
  Ipv4TypingRules::Parts parts;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const QLineEdit* edit = m_fields[i];
    Ipv4TypingRules::Part& part = parts[i];
    part.text = edit->text();
    part.caret = part.anchor = edit->cursorPosition();
    if (edit->hasSelectedText()) {
      const int start = edit->selectionStart();
      part.anchor = part.caret == start ? start + edit->selectionLength() : start;
    }
  }
  return parts;
}

Ipv4TypingRules Ipv4AddressEdit::rules_as_shown() const {
  Ipv4TypingRules rules;
  rules.set_parts(shown_parts(), 0);
  return rules;
}

std::array<std::uint8_t, Ipv4AddressEdit::kFieldCount> Ipv4AddressEdit::address() const {
  return rules_as_shown().address();
}

QString Ipv4AddressEdit::text() const { return rules_as_shown().text(); }

bool Ipv4AddressEdit::is_blank() const { return rules_as_shown().is_blank(); }

void Ipv4AddressEdit::set_address(const std::array<std::uint8_t, kFieldCount>& address) {
  apply(focused_part(), [&] {
    m_rules.set_address(address);
    return Outcome::Taken;
  });
}

bool Ipv4AddressEdit::set_address_text(const QString& text) {
  bool whole = false;
  apply(focused_part(), [&] {
    whole = m_rules.set_address_text(text);
    return Outcome::Taken;
  });
  return whole;
}

void Ipv4AddressEdit::clear() {
  apply(focused_part(), [this] {
    m_rules.clear();
    return Outcome::Taken;
  });
}

void Ipv4AddressEdit::select_all() {
  apply(focused_part(), [this] {
    m_rules.select_all();
    return Outcome::Taken;
  });
}

bool Ipv4AddressEdit::is_refusing() const { return property("refused").toBool(); }

int Ipv4AddressEdit::index_of(const QObject* object) const {
  for (std::size_t i = 0; i < m_fields.size(); ++i)
    if (m_fields[i] == object) return static_cast<int>(i);
  return -1;
}

int Ipv4AddressEdit::focused_part() const {
  const int focused = index_of(QApplication::focusWidget());
  return focused >= 0 ? focused : m_rules.caret_part();
}

template <class Operation>
Ipv4AddressEdit::Outcome Ipv4AddressEdit::apply(int part, Operation operation) {
  m_rules.set_parts(shown_parts(), part);
  const Outcome outcome = operation();
  repeat_edits();
  if (outcome == Outcome::Refused) refuse(m_rules.caret_part());
  return outcome;
}

void Ipv4AddressEdit::repeat_edits() {
  for (const Ipv4TypingRules::Edit& change : m_rules.edits()) repeat(field(change.part), change);
}

void Ipv4AddressEdit::show_refusal(bool refused) {
  setProperty("refused", refused);
  // A dynamic property reaches the style sheet only through a new polish.
  style()->unpolish(this);
  style()->polish(this);
  update();
}

void Ipv4AddressEdit::refuse(int index) {
  show_refusal(true);
  m_refusal_timer->start();
  QLineEdit* edit = field(index);
  QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), QString::fromLatin1(kRangeTip), edit);
  emit input_refused();
}

bool Ipv4AddressEdit::key_pressed(int index, QKeyEvent* event) {
  // A modifier pressed on its own belongs to the key that follows it.
  if (is_modifier_key(event->key())) return false;
  if (event->matches(QKeySequence::SelectAll)) {
    apply(index, [this] {
      m_rules.select_all();
      return Outcome::Taken;
    });
    return true;
  }
  if (event->matches(QKeySequence::Paste)) {
    const QString pasted = QApplication::clipboard()->text();
    apply(index, [&] { return m_rules.paste(pasted); });
    return true;
  }
  const bool cut = event->matches(QKeySequence::Cut);
  if (m_rules.whole_selected() && (cut || event->matches(QKeySequence::Copy))) {
    QApplication::clipboard()->setText(text());
    apply(index, [&] { return cut ? m_rules.cut() : m_rules.copy(); });
    return true;
  }
  // Within a part the part's own field edits, so that its undo history and
  // the platform's way of leaving a selection with an arrow stay as they are.
  constexpr auto kByField = Ipv4TypingRules::PartEditing::ByField;
  const int key = event->key();
  const QString typed = event->text();
  const bool plain_text = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
  const Outcome outcome = apply(index, [&] {
    if (key == Qt::Key_Backspace) return m_rules.backspace(kByField);
    if (key == Qt::Key_Delete) return m_rules.delete_forward(kByField);
    if (key == Qt::Key_Left) return m_rules.move_left(kByField);
    if (key == Qt::Key_Right) return m_rules.move_right(kByField);
    if (is_dot_key(key)) return m_rules.type_dot();
    if (plain_text && typed.size() == 1 && typed[0].isPrint()) return m_rules.type_character(typed[0]);
    return m_rules.other_key();
  });
  return outcome != Outcome::LeftToPart;
}

void Ipv4AddressEdit::context_menu(int index, const QPoint& at) {
  // The address's own menu: its Paste and Select All act on the whole
  // address, as their keys do.
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copy = menu->addAction(tr("&Copy"), this, [this, index] {
    if (m_rules.whole_selected())
      QApplication::clipboard()->setText(text());
    else
      field(index)->copy();
  });
  copy->setObjectName(QStringLiteral("copy"));
  copy->setEnabled(m_rules.whole_selected() || field(index)->hasSelectedText());
  menu->addAction(tr("&Paste"), this,
                  [this, index] {
                    const QString pasted = QApplication::clipboard()->text();
                    apply(index, [&] { return m_rules.paste(pasted); });
                  })
      ->setObjectName(QStringLiteral("paste"));
  menu->addSeparator();
  menu->addAction(tr("Select All"), this, &Ipv4AddressEdit::select_all)->setObjectName(QStringLiteral("select-all"));
  menu->popup(at);
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
  const int index = index_of(watched);
  if (index >= 0) {
    switch (event->type()) {
      case QEvent::KeyPress:
        return key_pressed(index, static_cast<QKeyEvent*>(event));
      case QEvent::MouseButtonPress:
        // The field places the caret where the press was.
        apply(index, [this] {
          m_rules.pointer_pressed();
          return Outcome::Taken;
        });
        break;
      case QEvent::ContextMenu:
        context_menu(index, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}
