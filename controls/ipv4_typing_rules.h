#pragma once
// How typing into a four-part IPv4 address behaves, apart from any widget:
// the four parts' texts, the caret and what every key does to them.
//
// A part holds up to three digits of value 0..255. A part that holds three
// digits moves on to the next by itself; a dot moves on too, except right
// after such a move, so "127.100.200.1" lands in the right parts whether typed
// with or without the dots and over an old address. A digit that would take a
// part above 255 (or past three digits) is refused and the part keeps its
// value. Leading zeros are digits like any other: "010" fills a part and reads
// as 10. Backspace at the start of a part goes back over the dot; right after
// a move on it takes back the digit that filled the part before. Select-all
// takes the whole address, which the next digit, Backspace, Delete, Cut or
// paste replaces; a pasted dotted address fills all four parts or is refused
// whole, pasted digits are typed one by one. A blank part reads as 0.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace vela {

class Ipv4TypingRules {
 public:
  static constexpr int kPartCount = 4;
  static constexpr int kPartDigits = 3;
  static constexpr int kMaxPartValue = 255;
  using Address = std::array<std::uint8_t, kPartCount>;

  // One part's text with its caret and the other end of its selection, as a
  // text field keeps them (the anchor equals the caret when nothing is
  // selected; a part keeps its caret while the caret is in another part).
  struct Part {
    QString text;
    int caret = 0;
    int anchor = 0;

    bool has_selection() const { return caret != anchor; }
    int selection_start() const { return caret < anchor ? caret : anchor; }
    int selection_length() const { return caret < anchor ? anchor - caret : caret - anchor; }
    bool operator==(const Part&) const = default;
  };
  using Parts = std::array<Part, kPartCount>;

  // How the caret lands in a part it moves into.
  enum class Entry { SelectAll, AtStart, AtEnd };

  // One change that an operation made to a part, in the terms of a text
  // field. A widget that shows the parts in text fields repeats them there in
  // order, so that the fields' own state (focus, undo history) follows as it
  // would from the same edits made by hand.
  struct Edit {
    enum class Kind {
      SetText,      // replaces the text (caret at its end, history gone)
      Clear,        // empties the text, as an edit
      EraseBefore,  // removes the selection or the character before the caret
      EraseAfter,   // removes the selection or the character after the caret
      PlaceCaret,   // caret to `position`, nothing selected
      CaretToStart,
      CaretToEnd,
      SelectAllText,
      Deselect,
      Focus,  // the part takes the keyboard focus; the one that had it drops its selection
    };
    Kind kind;
    int part;
    QString text{};
    int position = 0;
    bool operator==(const Edit&) const = default;
  };

  // What became of a key.
  enum class Outcome {
    Taken,       // acted on, or dropped as no part of an address
    LeftToPart,  // editing within the part that the caller's text field does
    Refused,     // the address would stop being one: nothing changed
  };

  // Who edits within a part when Backspace, Delete or an arrow does not cross
  // a dot: these rules (a plain key), or the part's own text field (a key
  // with modifiers: word-wise steps, extending a selection).
  enum class PartEditing { ByRules, ByField };

  // --- reading ---
  const Part& part(int index) const { return m_parts[static_cast<std::size_t>(index)]; }
  const Parts& parts() const { return m_parts; }
  int caret_part() const { return m_caret_part; }
  bool whole_selected() const { return m_whole_selected; }
  // The changes the last operation made, in order.
  const std::vector<Edit>& edits() const { return m_edits; }
  Address address() const;
  // "a.b.c.d" with blank parts as empty texts ("..." when all are blank).
  QString text() const;
  bool is_blank() const;

  // --- setting ---
  // Takes the parts as they are shown, with the caret in `caret_part`; what
  // the rules remember between keys (a whole selection, a move on just made)
  // stays.
  void set_parts(const Parts& parts, int caret_part);
  void set_address(const Address& address);
  // Fills the parts from dotted text ("192.168.1.20"). A part that is not a
  // number of 0..255 is left blank. True when the text was a whole address.
  bool set_address_text(const QString& text);
  void clear();

  // --- keys, each in the part that holds the caret ---
  // A character key: digits go into the address, anything else is dropped.
  Outcome type_character(QChar character);
  // The dot key (the comma too).
  Outcome type_dot();
  Outcome backspace(PartEditing editing = PartEditing::ByRules);
  Outcome delete_forward(PartEditing editing = PartEditing::ByRules);
  Outcome move_left(PartEditing editing = PartEditing::ByRules);
  Outcome move_right(PartEditing editing = PartEditing::ByRules);
  void select_all();
  Outcome paste(const QString& pasted);
  // Copy and Cut act on the whole address while it is selected (the caller
  // copies text() first); otherwise they are left to the part.
  Outcome copy();
  Outcome cut();
  // Any other key: it ends a whole selection and is left to the part.
  Outcome other_key();
  // A pointer press in a part: the part's field places the caret itself.
  void pointer_pressed();

  // The value of a part's text; -1 for blank text, other characters or a
  // value above 255.
  static int part_value(const QString& text);
  static bool is_whole_address(const QString& dotted);

 private:
  Part& caret_part_ref() { return m_parts[static_cast<std::size_t>(m_caret_part)]; }
  void begin_operation() { m_edits.clear(); }
  // Starts a key: ends the moment right after a move on, telling whether the
  // key came in that moment.
  bool begin_key();
  void note(Edit::Kind kind, int part, const QString& text = {}, int position = 0);
  void clear_parts();
  bool fill_from_text(const QString& text);
  void enter(int index, Entry entry);
  void end_whole_selection();
  bool replace_whole_selection();
  void set_part_text(int index, const QString& text);
  bool type_digit(QChar digit);
  Outcome erase(bool before_caret, PartEditing editing);
  Outcome step(bool to_left, PartEditing editing);

  Parts m_parts{};
  int m_caret_part = 0;
  // The part that the last key filled moved on to; a dot there is not a
  // second move, a Backspace there takes back that key's digit.
  int m_moved_on_to = -1;
  bool m_whole_selected = false;
  std::vector<Edit> m_edits;
};

}  // namespace vela
