#pragma once
// An IPv4 address field: four parts of 0..255 separated by dots, typed the
// way people type addresses (Ipv4TypingRules says how). This widget shows each
// part in a text field, hands every key and press to the rules and repeats
// their edits in the fields; editing within a part is left to its field. A
// refused input shows a red rim for a moment and the tip "0..255". The menu's
// Paste and Select All act on the whole address, as their keys do.
#include <QFrame>
#include <QString>
#include <array>
#include <cstdint>

#include "ipv4_typing_rules.h"

class QKeyEvent;
class QLineEdit;
class QTimer;

class Ipv4AddressEdit : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kFieldCount = vela::Ipv4TypingRules::kPartCount;
  static constexpr int kPartDigits = vela::Ipv4TypingRules::kPartDigits;
  static constexpr int kMaxPartValue = vela::Ipv4TypingRules::kMaxPartValue;
  // The tip shown when input is refused.
  static constexpr const char* kRangeTip = "0..255";

  explicit Ipv4AddressEdit(QWidget* parent = nullptr);

  // The four parts, first part first; blank parts give 0.
  std::array<std::uint8_t, kFieldCount> address() const;
  void set_address(const std::array<std::uint8_t, kFieldCount>& address);
  // Fills the parts from dotted text ("192.168.1.20"). A part that is not a
  // number of 0..255 leaves its field blank. True when the text was a whole
  // address.
  bool set_address_text(const QString& text);
  // "a.b.c.d" with blank parts as empty texts ("..." when all are blank).
  QString text() const;
  bool is_blank() const;
  void clear();
  // Selects the whole address, as Ctrl+A in any part does.
  void select_all();
  // True while the field shows that it refused an input.
  bool is_refusing() const;

  QLineEdit* field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }

 signals:
  void input_refused();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Outcome = vela::Ipv4TypingRules::Outcome;

  int index_of(const QObject* object) const;
  int focused_part() const;
  // The parts as the fields show them.
  vela::Ipv4TypingRules::Parts shown_parts() const;
  vela::Ipv4TypingRules rules_as_shown() const;
  // Runs one operation of the rules on the parts as shown, with the caret in
  // `part`, then shows what changed and any refusal.
  template <class Operation>
  Outcome apply(int part, Operation operation);
  void repeat_edits();
  bool key_pressed(int index, QKeyEvent* event);
  void refuse(int index);
  void show_refusal(bool refused);
  void context_menu(int index, const QPoint& at);

  std::array<QLineEdit*, kFieldCount> m_fields{};
  QTimer* m_refusal_timer = nullptr;
  // Holds between keys what the parts cannot: a whole selection and a move
  // on just made.
  vela::Ipv4TypingRules m_rules;
};
