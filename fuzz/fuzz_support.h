#pragma once
// What every fuzz target shares: quiet diagnostics (the decoders write the
// panel's console lines), exactly sized heap copies so that AddressSanitizer
// catches a read one byte past what was received, a check that aborts with
// its text so that libFuzzer keeps the input, and the input form of the
// targets that take several pieces (serial reads, datagrams).
#include <cstdint>

#include "frame.h"

namespace vela::fuzz {

// Sends diagnostics nowhere.
void quiet_diagnostics();

// A heap block holding exactly these bytes and nothing after them.
Bytes exact_copy(ByteView bytes);

// Aborts the run, naming the broken property.
[[noreturn]] void fail(const char* what);
inline void check(bool holds, const char* what) {
  if (!holds) fail(what);
}

// Reads an input as single bytes and pieces; a piece is a two-byte length
// (low byte first, taken modulo max_length + 1) and then that many bytes,
// fewer where the input ends.
class PieceReader {
 public:
  explicit PieceReader(ByteView input) : rest_(input) {}
  bool empty() const { return rest_.empty(); }
  std::uint8_t byte();  // 0 once the input is used up
  Bytes piece(std::size_t max_length);
  Bytes rest();

 private:
  ByteView rest_;
};

// Writes what PieceReader reads, for the seed corpora.
struct PieceWriter {
  Bytes bytes;
  PieceWriter& byte(std::uint8_t value);
  PieceWriter& piece(ByteView piece);
  PieceWriter& rest(ByteView rest);
};

}  // namespace vela::fuzz

// Every target quiets the diagnostics before its first input.
#define VELA_FUZZ_QUIET_INIT                           \
  extern "C" int LLVMFuzzerInitialize(int*, char***) { \
    vela::fuzz::quiet_diagnostics();                   \
    return 0;                                          \
  }
