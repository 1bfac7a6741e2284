#pragma once
// An IPv4 address field: four parts of 0..255 separated by dots, typed the
// way people type addresses. A part that holds three digits moves on to the
// next by itself; a dot moves on too, except right after such a move, so
// "127.100.200.1" lands in the right parts whether typed with or without the
// dots and over an old address. A digit that would take a part above 255 is
// refused: the part keeps its value, the field shows a red rim for a moment
// and the tip "0..255". Backspace at the start of a part goes back over the
// dot; right after a move on it takes back the digit that filled the part
// before. Select-all takes the whole address, which the next digit, Backspace,
// Delete or paste replaces; a pasted dotted address fills all four parts,
// from the keys or the field's menu.
// A blank part reads as 0.
#include <QFrame>
#include <QString>
#include <array>
#include <cstdint>

class QKeyEvent;
class QLineEdit;
class QTimer;

class Ipv4AddressEdit : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kFieldCount = 4;
  static constexpr int kPartDigits = 3;
  static constexpr int kMaxPartValue = 255;
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

  QLineEdit* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

 signals:
  void input_refused();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class FieldEntry { SelectAll, AtStart, AtEnd };

  int index_of(const QObject* field) const;
  bool key_pressed(int index, QKeyEvent* event);
  // Returns the part that takes the next digit, or -1 when the digit was refused.
  int type_digit(int index, QChar digit);
  void type_dot(int index);
  bool type_backspace(int index, bool moved_on);
  bool step_across(int index, int key);
  void paste(int index, const QString& text);
  void copy_whole() const;
  bool replace_whole_selection();
  void refuse(int index);
  void show_refusal(bool refused);
  void focus_field(int index, FieldEntry entry);
  void end_whole_selection();
  void context_menu(int index, const QPoint& at);

  std::array<QLineEdit*, kFieldCount> fields_{};
  QTimer* refusal_timer_ = nullptr;
  // The part that the last key filled moved on to; a dot there is not a
  // second move.
  int moved_on_to_ = -1;
  bool whole_selected_ = false;
};
