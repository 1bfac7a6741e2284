#include "ipv4_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

constexpr int kMaxOctet = 255;

// The value of a field's text, clamped to 0..255; nothing for blank or
// non-numeric text.
std::optional<int> octet_value(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  if (!ok || value < 0) return std::nullopt;
  return std::min(value, kMaxOctet);
}

}  // namespace

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent) {
  setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 0, 6, 0);
  layout->setSpacing(0);
  auto* validator = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
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
    edit->setMaxLength(3);
    edit->setValidator(validator);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, i] { on_edited(i); });
    layout->addWidget(edit, 1);
    fields_[static_cast<std::size_t>(i)] = edit;
  }
  setFocusProxy(fields_[0]);
}

std::array<std::uint8_t, Ipv4AddressEdit::kFieldCount> Ipv4AddressEdit::address() const {
  std::array<std::uint8_t, kFieldCount> result{};
  for (std::size_t i = 0; i < result.size(); ++i)
    result[i] = static_cast<std::uint8_t>(octet_value(fields_[i]->text()).value_or(0));
  return result;
}

void Ipv4AddressEdit::set_address(const std::array<std::uint8_t, kFieldCount>& address) {
  for (std::size_t i = 0; i < address.size(); ++i) fields_[i]->setText(QString::number(address[i]));
}

void Ipv4AddressEdit::set_address_text(const QString& text) {
  const QStringList parts = text.trimmed().split(QLatin1Char('.'));
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const auto value =
        i < static_cast<std::size_t>(parts.size()) ? octet_value(parts[static_cast<int>(i)]) : std::nullopt;
    fields_[i]->setText(value ? QString::number(*value) : QString());
  }
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
  for (QLineEdit* edit : fields_) edit->clear();
}

int Ipv4AddressEdit::index_of(const QObject* field) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (fields_[i] == field) return static_cast<int>(i);
  return -1;
}

void Ipv4AddressEdit::focus_field(int index, FieldEntry entry) {
  if (index < 0 || index >= kFieldCount) return;
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

void Ipv4AddressEdit::on_edited(int index) {
  QLineEdit* edit = field(index);
  bool ok = false;
  const int value = edit->text().toInt(&ok);
  if (ok && value > kMaxOctet) edit->setText(QString::number(kMaxOctet));
  if (edit->text().size() == 3 && edit->cursorPosition() == 3) focus_field(index + 1, FieldEntry::SelectAll);
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event) {
  const int index = index_of(watched);
  if (index < 0 || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
  auto* key_event = static_cast<QKeyEvent*>(event);
  QLineEdit* edit = field(index);
  const int cursor = edit->cursorPosition();
  const bool at_start = cursor == 0 && !edit->hasSelectedText();
  const bool at_end = cursor == edit->text().size() && !edit->hasSelectedText();
  switch (key_event->key()) {
    case Qt::Key_Period:
    case Qt::Key_Comma:
      if (!edit->text().isEmpty()) focus_field(index + 1, FieldEntry::SelectAll);
      return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
      if (at_start && index > 0) {
        focus_field(index - 1, FieldEntry::AtEnd);
        return true;
      }
      break;
    case Qt::Key_Right:
      if (at_end && index + 1 < kFieldCount) {
        focus_field(index + 1, FieldEntry::AtStart);
        return true;
      }
      break;
    default:
      break;
  }
  return QFrame::eventFilter(watched, event);
}
