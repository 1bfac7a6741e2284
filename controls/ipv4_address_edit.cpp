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
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <optional>
#include <utility>

#include "style_sheets.h"

namespace {

constexpr int kRefusalShownMs = 800;
// Keeps out of a part what does not come through the keys handled here
// (input methods, the context menu's paste): up to three digits, 0..255.
const QRegularExpression kPartPattern(QStringLiteral("[01]?[0-9]{0,2}|2[0-4][0-9]|25[0-5]"));

bool is_ascii_digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The value of a part's text; nothing for blank text, other characters or a
// value above 255.
std::optional<int> part_value(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > Ipv4AddressEdit::kPartDigits) return std::nullopt;
  for (const QChar c : digits)
    if (!is_ascii_digit(c)) return std::nullopt;
  const int value = digits.toInt();
  if (value > Ipv4AddressEdit::kMaxPartValue) return std::nullopt;
  return value;
}

// The value of every part of dotted text, as far as it is one.
QList<std::optional<int>> dotted_values(const QString& text) {
  QList<std::optional<int>> values;
  for (const QString& part : text.trimmed().split(QLatin1Char('.'))) values << part_value(part);
  return values;
}

bool is_whole_address(const QList<std::optional<int>>& values) {
  return values.size() == Ipv4AddressEdit::kFieldCount &&
         std::all_of(values.begin(), values.end(), [](const std::optional<int>& v) { return v.has_value(); });
}

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

}  // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent), refusal_timer_(new QTimer(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setStyleSheet(vela::ipv4_address_edit_style());
  refusal_timer_->setSingleShot(true);
  refusal_timer_->setInterval(kRefusalShownMs);
  connect(refusal_timer_, &QTimer::timeout, this, [this] { show_refusal(false); });

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
    fields_[static_cast<std::size_t>(i)] = edit;
  }
  setFocusProxy(fields_[0]);
}

std::array<std::uint8_t, Ipv4AddressEdit::kFieldCount> Ipv4AddressEdit::address() const {
  std::array<std::uint8_t, kFieldCount> result{};
  for (std::size_t i = 0; i < result.size(); ++i)
    result[i] = static_cast<std::uint8_t>(part_value(fields_[i]->text()).value_or(0));
  return result;
}

void Ipv4AddressEdit::set_address(const std::array<std::uint8_t, kFieldCount>& address) {
  clear();
  for (std::size_t i = 0; i < address.size(); ++i) fields_[i]->setText(QString::number(address[i]));
}

bool Ipv4AddressEdit::set_address_text(const QString& text) {
  clear();
  const QList<std::optional<int>> values = dotted_values(text);
  for (int i = 0; i < kFieldCount && i < values.size(); ++i)
    if (values[i]) field(i)->setText(QString::number(*values[i]));
  return is_whole_address(values);
}

QString Ipv4AddressEdit::text() const {
  QStringList parts;
  for (const QLineEdit* edit : fields_) parts << edit->text();
  return parts.join(QLatin1Char('.'));
}

bool Ipv4AddressEdit::is_blank() const {
  for (const QLineEdit* edit : fields_)
    if (!edit->text().isEmpty()) return false;
  return true;
}

void Ipv4AddressEdit::clear() {
  whole_selected_ = false;
  moved_on_to_ = -1;
  for (QLineEdit* edit : fields_) edit->clear();
}

void Ipv4AddressEdit::select_all() {
  focus_field(0, FieldEntry::SelectAll);
  for (QLineEdit* edit : fields_) edit->selectAll();
  whole_selected_ = true;
}

bool Ipv4AddressEdit::is_refusing() const { return property("refused").toBool(); }

int Ipv4AddressEdit::index_of(const QObject* field) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i] == field) return static_cast<int>(i);
  return -1;
}

void Ipv4AddressEdit::end_whole_selection() {
  if (!std::exchange(whole_selected_, false)) return;
  for (QLineEdit* edit : fields_) edit->deselect();
}

void Ipv4AddressEdit::focus_field(int index, FieldEntry entry) {
  if (index < 0 || index >= kFieldCount) return;
  end_whole_selection();
  QLineEdit* edit = field(index);
  edit->setFocus(Qt::OtherFocusReason);
  switch (entry) {
    case FieldEntry::SelectAll:
      edit->selectAll();
      break;
    case FieldEntry::AtStart:
      edit->home(false);
      break;
    case FieldEntry::AtEnd:
      edit->end(false);
      break;
  }
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
  refusal_timer_->start();
  QLineEdit* edit = field(index);
  QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), QString::fromLatin1(kRangeTip), edit);
  emit input_refused();
}

bool Ipv4AddressEdit::replace_whole_selection() {
  if (!whole_selected_) return false;
  clear();
  focus_field(0, FieldEntry::AtStart);
  return true;
}

int Ipv4AddressEdit::type_digit(int index, QChar digit) {
  if (replace_whole_selection()) index = 0;
  QLineEdit* edit = field(index);
  const bool full_before_cursor =
      !edit->hasSelectedText() && edit->text().size() == kPartDigits && edit->cursorPosition() == kPartDigits;
  if (full_before_cursor) {
    // A digit behind a full part starts the next part.
    if (index + 1 == kFieldCount) {
      refuse(index);
      return -1;
    }
    focus_field(++index, FieldEntry::SelectAll);
    edit = field(index);
  }
  QString text = edit->text();
  int at = edit->cursorPosition();
  if (edit->hasSelectedText()) {
    at = edit->selectionStart();
    text.remove(at, edit->selectedText().size());
  }
  text.insert(at, digit);
  if (!part_value(text)) {
    refuse(index);
    return -1;
  }
  edit->setText(text);
  edit->setCursorPosition(at + 1);
  if (text.size() == kPartDigits && at + 1 == kPartDigits && index + 1 < kFieldCount) {
    focus_field(index + 1, FieldEntry::SelectAll);
    moved_on_to_ = index + 1;
    return index + 1;
  }
  return index;
}

void Ipv4AddressEdit::type_dot(int index) {
  end_whole_selection();
  if (!field(index)->text().isEmpty()) focus_field(index + 1, FieldEntry::SelectAll);
}

bool Ipv4AddressEdit::type_backspace(int index, bool moved_on) {
  if (replace_whole_selection()) return true;
  QLineEdit* edit = field(index);
  if (index == 0) return false;
  if (moved_on) {
    focus_field(index - 1, FieldEntry::AtEnd);
    field(index - 1)->backspace();
    return true;
  }
  if (edit->cursorPosition() == 0 && !edit->hasSelectedText()) {
    focus_field(index - 1, FieldEntry::AtEnd);
    return true;
  }
  return false;
}

bool Ipv4AddressEdit::step_across(int index, int key) {
  end_whole_selection();
  QLineEdit* edit = field(index);
  if (edit->hasSelectedText()) return false;
  if (key == Qt::Key_Left && edit->cursorPosition() == 0 && index > 0) {
    focus_field(index - 1, FieldEntry::AtEnd);
    return true;
  }
  if (key == Qt::Key_Right && edit->cursorPosition() == edit->text().size() && index + 1 < kFieldCount) {
    focus_field(index + 1, FieldEntry::AtStart);
    return true;
  }
  return false;
}

void Ipv4AddressEdit::paste(int index, const QString& pasted) {
  const QString text = pasted.trimmed();
  if (text.contains(QLatin1Char('.'))) {
    // A dotted text is a whole address: taken entire or not at all.
    if (!is_whole_address(dotted_values(text))) {
      refuse(index);
      return;
    }
    set_address_text(text);
    focus_field(kFieldCount - 1, FieldEntry::AtEnd);
    return;
  }
  for (const QChar c : text) {
    if (!is_ascii_digit(c)) {
      refuse(index);
      return;
    }
  }
  for (const QChar c : text) {
    index = type_digit(index, c);
    if (index < 0) return;
  }
}

void Ipv4AddressEdit::copy_whole() const { QApplication::clipboard()->setText(text()); }

bool Ipv4AddressEdit::key_pressed(int index, QKeyEvent* event) {
  // A modifier pressed on its own belongs to the key that follows it.
  if (is_modifier_key(event->key())) return false;
  const bool moved_on = std::exchange(moved_on_to_, -1) == index;
  if (event->matches(QKeySequence::SelectAll)) {
    select_all();
    return true;
  }
  if (event->matches(QKeySequence::Paste)) {
    paste(index, QApplication::clipboard()->text());
    return true;
  }
  if (whole_selected_ && (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))) {
    copy_whole();
    if (event->matches(QKeySequence::Cut)) replace_whole_selection();
    return true;
  }
  const int key = event->key();
  if (key == Qt::Key_Backspace) return type_backspace(index, moved_on);
  if (key == Qt::Key_Delete) return replace_whole_selection();
  if (key == Qt::Key_Left || key == Qt::Key_Right) return step_across(index, key);
  if (is_dot_key(key)) {
    if (!moved_on) type_dot(index);
    return true;
  }
  const QString typed = event->text();
  const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
  if (plain && typed.size() == 1 && typed[0].isPrint()) {
    // Characters other than digits are not part of an address.
    if (is_ascii_digit(typed[0])) type_digit(index, typed[0]);
    return true;
  }
  end_whole_selection();
  return false;
}

void Ipv4AddressEdit::context_menu(int index, const QPoint& at) {
  // The address's own menu: its Paste and Select All act on the whole
  // address, as their keys do.
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copy = menu->addAction(tr("&Copy"), this, [this, index] {
    if (whole_selected_)
      copy_whole();
    else
      field(index)->copy();
  });
  copy->setObjectName(QStringLiteral("copy"));
  copy->setEnabled(whole_selected_ || field(index)->hasSelectedText());
  menu->addAction(tr("&Paste"), this, [this, index] { paste(index, QApplication::clipboard()->text()); })
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
        moved_on_to_ = -1;
        end_whole_selection();
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
