#pragma once
// Splits the byte stream that arrives on the serial line into frames and
// text. A frame starts A5 6C, its length field (at least 20) gives its end,
// and its last byte is AE; every other byte is text. Text ends at a "."
// (the end of every raw matrix routing text), before a frame, or when the
// line has been quiet (flush()).
#include <vector>

#include "frame.h"

namespace vela::sim {

struct SerialPiece {
  bool is_frame = false;
  Bytes bytes;

  bool operator==(const SerialPiece&) const = default;
};

class SerialReassembler {
 public:
  // The pieces completed by these bytes, in order.
  std::vector<SerialPiece> feed(ByteView bytes);
  // The line went quiet: a frame still incomplete is given up (its first
  // byte becomes text and the rest is scanned again); all text is returned.
  std::vector<SerialPiece> flush();
  bool has_pending() const { return !text_.empty() || !unsettled_.empty(); }

 private:
  void scan(bool final, std::vector<SerialPiece>& out);
  void take_text_byte(std::uint8_t byte, std::vector<SerialPiece>& out);
  void emit_text(std::vector<SerialPiece>& out);

  Bytes text_;       // settled text not yet handed out
  Bytes unsettled_;  // from a possible frame start onward
};

}  // namespace vela::sim
