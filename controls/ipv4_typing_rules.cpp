#include "ipv4_typing_rules.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace vela {
namespace {

bool is_ascii_digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The value of every part of dotted text, as far as it is one.
QList<int> dotted_values(const QString& text) {
  QList<int> values;
  for (const QString& part : text.trimmed().split(QLatin1Char('.'))) values << Ipv4TypingRules::part_value(part);
  return values;
}

bool is_whole(const QList<int>& values) {
  return values.size() == Ipv4TypingRules::kPartCount &&
         std::all_of(values.begin(), values.end(), [](int value) { return value >= 0; });
}

}  // namespace

int Ipv4TypingRules::part_value(const QString& text) {
  const QString digits = text.trimmed();
  if (digits.isEmpty() || digits.size() > kPartDigits) return -1;
  for (const QChar c : digits)
    if (!is_ascii_digit(c)) return -1;
  const int value = digits.toInt();
  return value > kMaxPartValue ? -1 : value;
}

bool Ipv4TypingRules::is_whole_address(const QString& dotted) { return is_whole(dotted_values(dotted)); }

Ipv4TypingRules::Address Ipv4TypingRules::address() const {
  Address result{};
  for (std::size_t i = 0; i < result.size(); ++i)
    result[i] = static_cast<std::uint8_t>(std::max(part_value(m_parts[i].text), 0));
  return result;
}

QString Ipv4TypingRules::text() const {
  QStringList texts;
  for (const Part& part : m_parts) texts << part.text;
  return texts.join(QLatin1Char('.'));
}

bool Ipv4TypingRules::is_blank() const {
  return std::all_of(m_parts.begin(), m_parts.end(), [](const Part& part) { return part.text.isEmpty(); });
}

void Ipv4TypingRules::set_parts(const Parts& parts, int caret_part) {
  m_parts = parts;
  for (Part& part : m_parts) {
    part.caret = std::clamp(part.caret, 0, static_cast<int>(part.text.size()));
    part.anchor = std::clamp(part.anchor, 0, static_cast<int>(part.text.size()));
  }
  m_caret_part = std::clamp(caret_part, 0, kPartCount - 1);
  begin_operation();
}

void Ipv4TypingRules::note(Edit::Kind kind, int part, const QString& text, int position) {
  m_edits.push_back(Edit{kind, part, text, position});
}

void Ipv4TypingRules::clear() {
  begin_operation();
  clear_parts();
}

void Ipv4TypingRules::clear_parts() {
  m_whole_selected = false;
  m_moved_on_to = -1;
  for (int i = 0; i < kPartCount; ++i) {
    m_parts[static_cast<std::size_t>(i)] = Part{};
    note(Edit::Kind::Clear, i);
  }
}

void Ipv4TypingRules::set_address(const Address& address) {
  begin_operation();
  clear_parts();
  for (int i = 0; i < kPartCount; ++i) set_part_text(i, QString::number(address[static_cast<std::size_t>(i)]));
}

bool Ipv4TypingRules::set_address_text(const QString& text) {
  begin_operation();
  return fill_from_text(text);
}

bool Ipv4TypingRules::fill_from_text(const QString& text) {
  clear_parts();
  const QList<int> values = dotted_values(text);
  for (int i = 0; i < kPartCount && i < values.size(); ++i)
    if (values[i] >= 0) set_part_text(i, QString::number(values[i]));
  return is_whole(values);
}

void Ipv4TypingRules::set_part_text(int index, const QString& text) {
  Part& part = m_parts[static_cast<std::size_t>(index)];
  part.text = text;
  part.caret = part.anchor = static_cast<int>(text.size());
  note(Edit::Kind::SetText, index, text);
}

bool Ipv4TypingRules::begin_key() {
  begin_operation();
  return std::exchange(m_moved_on_to, -1) == m_caret_part;
}

void Ipv4TypingRules::end_whole_selection() {
  if (!std::exchange(m_whole_selected, false)) return;
  for (int i = 0; i < kPartCount; ++i) {
    Part& part = m_parts[static_cast<std::size_t>(i)];
    part.anchor = part.caret;
    note(Edit::Kind::Deselect, i);
  }
}

void Ipv4TypingRules::enter(int index, Entry entry) {
  if (index < 0 || index >= kPartCount) return;
  end_whole_selection();
  // The part left behind loses its selection, as a text field losing the
  // focus does.
  if (index != m_caret_part) caret_part_ref().anchor = caret_part_ref().caret;
  m_caret_part = index;
  note(Edit::Kind::Focus, index);
  Part& part = caret_part_ref();
  const int end = static_cast<int>(part.text.size());
  switch (entry) {
    case Entry::SelectAll:
      part.anchor = 0;
      part.caret = end;
      note(Edit::Kind::SelectAllText, index);
      break;
    case Entry::AtStart:
      part.caret = part.anchor = 0;
      note(Edit::Kind::CaretToStart, index);
      break;
    case Entry::AtEnd:
      part.caret = part.anchor = end;
      note(Edit::Kind::CaretToEnd, index);
      break;
  }
}

bool Ipv4TypingRules::replace_whole_selection() {
  if (!m_whole_selected) return false;
  clear_parts();
  enter(0, Entry::AtStart);
  return true;
}

bool Ipv4TypingRules::type_digit(QChar digit) {
  replace_whole_selection();
  const Part* part = &caret_part_ref();
  if (!part->has_selection() && part->text.size() == kPartDigits && part->caret == kPartDigits) {
    // A digit behind a full part starts the next part.
    if (m_caret_part + 1 == kPartCount) return false;
    enter(m_caret_part + 1, Entry::SelectAll);
    part = &caret_part_ref();
  }
  QString text = part->text;
  int at = part->caret;
  if (part->has_selection()) {
    at = part->selection_start();
    text.remove(at, part->selection_length());
  }
  text.insert(at, digit);
  if (part_value(text) < 0) return false;
  set_part_text(m_caret_part, text);
  caret_part_ref().caret = caret_part_ref().anchor = at + 1;
  note(Edit::Kind::PlaceCaret, m_caret_part, {}, at + 1);
  if (text.size() == kPartDigits && at + 1 == kPartDigits && m_caret_part + 1 < kPartCount) {
    enter(m_caret_part + 1, Entry::SelectAll);
    m_moved_on_to = m_caret_part;
  }
  return true;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::type_character(QChar character) {
  begin_key();
  // Characters other than digits are not part of an address.
  if (!is_ascii_digit(character)) return Outcome::Taken;
  return type_digit(character) ? Outcome::Taken : Outcome::Refused;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::type_dot() {
  if (begin_key()) return Outcome::Taken;
  end_whole_selection();
  if (!caret_part_ref().text.isEmpty()) enter(m_caret_part + 1, Entry::SelectAll);
  return Outcome::Taken;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::erase(bool before_caret, PartEditing editing) {
  if (editing == PartEditing::ByField) return Outcome::LeftToPart;
  Part& part = caret_part_ref();
  note(before_caret ? Edit::Kind::EraseBefore : Edit::Kind::EraseAfter, m_caret_part);
  if (part.has_selection()) {
    const int start = part.selection_start();
    part.text.remove(start, part.selection_length());
    part.caret = part.anchor = start;
  } else if (before_caret && part.caret > 0) {
    part.text.remove(--part.caret, 1);
    part.anchor = part.caret;
  } else if (!before_caret && part.caret < part.text.size()) {
    part.text.remove(part.caret, 1);
  }
  return Outcome::Taken;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::backspace(PartEditing editing) {
  const bool moved_on = begin_key();
  if (replace_whole_selection()) return Outcome::Taken;
  if (m_caret_part == 0) return erase(true, editing);
  if (moved_on) {
    // Takes back the digit whose key filled the part before.
    enter(m_caret_part - 1, Entry::AtEnd);
    return erase(true, PartEditing::ByRules);
  }
  if (caret_part_ref().caret == 0 && !caret_part_ref().has_selection()) {
    enter(m_caret_part - 1, Entry::AtEnd);
    return Outcome::Taken;
  }
  return erase(true, editing);
}

Ipv4TypingRules::Outcome Ipv4TypingRules::delete_forward(PartEditing editing) {
  begin_key();
  if (replace_whole_selection()) return Outcome::Taken;
  return erase(false, editing);
}

Ipv4TypingRules::Outcome Ipv4TypingRules::step(bool to_left, PartEditing editing) {
  begin_key();
  end_whole_selection();
  Part& part = caret_part_ref();
  if (!part.has_selection()) {
    if (to_left && part.caret == 0 && m_caret_part > 0) {
      enter(m_caret_part - 1, Entry::AtEnd);
      return Outcome::Taken;
    }
    if (!to_left && part.caret == part.text.size() && m_caret_part + 1 < kPartCount) {
      enter(m_caret_part + 1, Entry::AtStart);
      return Outcome::Taken;
    }
  }
  if (editing == PartEditing::ByField) return Outcome::LeftToPart;
  // An arrow over a selection lands on the selection's end in its direction.
  if (part.has_selection())
    part.caret = to_left ? part.selection_start() : part.selection_start() + part.selection_length();
  else
    part.caret = std::clamp(part.caret + (to_left ? -1 : 1), 0, static_cast<int>(part.text.size()));
  part.anchor = part.caret;
  note(Edit::Kind::PlaceCaret, m_caret_part, {}, part.caret);
  return Outcome::Taken;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::move_left(PartEditing editing) { return step(true, editing); }

Ipv4TypingRules::Outcome Ipv4TypingRules::move_right(PartEditing editing) { return step(false, editing); }

void Ipv4TypingRules::select_all() {
  begin_key();
  enter(0, Entry::SelectAll);
  for (int i = 0; i < kPartCount; ++i) {
    Part& part = m_parts[static_cast<std::size_t>(i)];
    part.anchor = 0;
    part.caret = static_cast<int>(part.text.size());
    note(Edit::Kind::SelectAllText, i);
  }
  m_whole_selected = true;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::paste(const QString& pasted) {
  begin_key();
  const QString text = pasted.trimmed();
  if (text.contains(QLatin1Char('.'))) {
    // A dotted text is a whole address: taken entire or not at all.
    if (!is_whole_address(text)) return Outcome::Refused;
    fill_from_text(text);
    enter(kPartCount - 1, Entry::AtEnd);
    return Outcome::Taken;
  }
  if (!std::all_of(text.begin(), text.end(), is_ascii_digit)) return Outcome::Refused;
  for (const QChar c : text)
    if (!type_digit(c)) return Outcome::Refused;
  return Outcome::Taken;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::copy() {
  begin_key();
  return m_whole_selected ? Outcome::Taken : Outcome::LeftToPart;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::cut() {
  begin_key();
  return replace_whole_selection() ? Outcome::Taken : Outcome::LeftToPart;
}

Ipv4TypingRules::Outcome Ipv4TypingRules::other_key() {
  begin_key();
  end_whole_selection();
  return Outcome::LeftToPart;
}

void Ipv4TypingRules::pointer_pressed() {
  begin_operation();
  m_moved_on_to = -1;
  end_whole_selection();
}

}  // namespace vela
