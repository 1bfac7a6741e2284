#include "fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "diagnostics.h"

namespace vela::fuzz {

void quiet_diagnostics() {
  set_diagnostic_sink([](const std::string&) {});
}

// A vector built from a range allocates exactly the range's size.
Bytes exact_copy(ByteView bytes) { return Bytes(bytes.begin(), bytes.end()); }

void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

std::uint8_t PieceReader::byte() {
  if (rest_.empty()) return 0;
  const std::uint8_t value = rest_.front();
  rest_ = rest_.subspan(1);
  return value;
}

Bytes PieceReader::piece(std::size_t max_length) {
  const std::size_t low = byte();
  const std::size_t length = ((byte() << 8) | low) % (max_length + 1);
  const ByteView taken = rest_.first(std::min(length, rest_.size()));
  rest_ = rest_.subspan(taken.size());
  return exact_copy(taken);
}

Bytes PieceReader::rest() {
  const Bytes taken = exact_copy(rest_);
  rest_ = {};
  return taken;
}

PieceWriter& PieceWriter::byte(std::uint8_t value) {
  bytes.push_back(value);
  return *this;
}

PieceWriter& PieceWriter::piece(ByteView piece) {
  byte(static_cast<std::uint8_t>(piece.size() & 0xFF));
  byte(static_cast<std::uint8_t>(piece.size() >> 8));
  return rest(piece);
}

PieceWriter& PieceWriter::rest(ByteView rest) {
  bytes.insert(bytes.end(), rest.begin(), rest.end());
  return *this;
}

}  // namespace vela::fuzz
