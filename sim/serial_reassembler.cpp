#include "serial_reassembler.h"

namespace vela::sim {

std::vector<SerialPiece> SerialReassembler::feed(ByteView bytes) {
  unsettled_.insert(unsettled_.end(), bytes.begin(), bytes.end());
  std::vector<SerialPiece> out;
  scan(false, out);
  return out;
}

std::vector<SerialPiece> SerialReassembler::flush() {
  std::vector<SerialPiece> out;
  scan(true, out);
  emit_text(out);
  return out;
}

void SerialReassembler::emit_text(std::vector<SerialPiece>& out) {
  if (text_.empty()) return;
  out.push_back(SerialPiece{false, std::move(text_)});
  text_.clear();
}

void SerialReassembler::take_text_byte(std::uint8_t byte, std::vector<SerialPiece>& out) {
  text_.push_back(byte);
  if (byte == '.') emit_text(out);
}

// Walks the unsettled bytes. Without `final`, it stops at a frame start whose
// bytes have not all arrived and keeps them for the next feed.
void SerialReassembler::scan(bool final, std::vector<SerialPiece>& out) {
  const Bytes& b = unsettled_;
  std::size_t i = 0;
  while (i < b.size()) {
    const std::size_t left = b.size() - i;
    if (b[i] == frame::kStart0 && (left == 1 || b[i + 1] == frame::kStart1)) {
      if (left < 4) {
        if (!final) break;
      } else {
        const std::size_t length = b[i + 2] | (b[i + 3] << 8);
        if (length >= frame::kOverhead) {
          if (length > left) {
            if (!final) break;
          } else if (b[i + length - 1] == frame::kEnd) {
            emit_text(out);
            out.push_back(
                SerialPiece{true, Bytes(b.begin() + static_cast<long>(i), b.begin() + static_cast<long>(i + length))});
            i += length;
            continue;
          }
        }
      }
    }
    take_text_byte(b[i], out);
    ++i;
  }
  unsettled_.erase(unsettled_.begin(), unsettled_.begin() + static_cast<long>(i));
}

}  // namespace vela::sim
