// The simulator's serial line: a byte stream cut into frames and texts. The
// stream arrives in pieces of any size; the line goes quiet at the end.
#include "fuzz_support.h"
#include "received_frame.h"
#include "serial_reassembler.h"

using namespace vela;
using vela::sim::SerialPiece;
using vela::sim::SerialReassembler;

VELA_FUZZ_QUIET_INIT

namespace {

// More than one whole multiviewer state reply in one read.
constexpr std::size_t kMaxRead = 1024;

void append(std::vector<SerialPiece>& into, std::vector<SerialPiece> pieces) {
  for (auto& piece : pieces) into.push_back(std::move(piece));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::PieceReader input(ByteView(data, size));
  Bytes stream;
  std::vector<SerialPiece> pieces;
  SerialReassembler pieced;
  while (!input.empty()) {
    const Bytes piece = input.piece(kMaxRead);
    stream.insert(stream.end(), piece.begin(), piece.end());
    append(pieces, pieced.feed(piece));
  }
  append(pieces, pieced.flush());
  fuzz::check(!pieced.has_pending(), "bytes left after the line went quiet");

  Bytes rejoined;
  for (const SerialPiece& piece : pieces) {
    fuzz::check(!piece.bytes.empty(), "an empty piece");
    if (piece.is_frame) fuzz::check(sim::is_whole_frame(piece.bytes), "a frame piece that is no whole frame");
    rejoined.insert(rejoined.end(), piece.bytes.begin(), piece.bytes.end());
  }
  fuzz::check(rejoined == stream, "pieces do not give back the stream byte for byte");

  // How the bytes were cut into reads changes nothing.
  SerialReassembler whole;
  std::vector<SerialPiece> at_once = whole.feed(fuzz::exact_copy(stream));
  append(at_once, whole.flush());
  fuzz::check(at_once == pieces, "the pieces depend on how the stream was cut");
  return 0;
}
