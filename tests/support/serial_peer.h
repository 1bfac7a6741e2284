#pragma once
// The panel's end of the simulator's pseudo-terminal, for tests: opened in
// raw mode, written, and read piece by piece.
#include <chrono>
#include <string>
#include <vector>

#include "frame.h"

namespace vela::test {

class SerialPeer {
 public:
  // Throws std::runtime_error when the terminal cannot be opened.
  explicit SerialPeer(const std::string& path);
  ~SerialPeer();
  SerialPeer(const SerialPeer&) = delete;
  SerialPeer& operator=(const SerialPeer&) = delete;

  void write(ByteView bytes);
  // Reads until `count` bytes arrived or the deadline passed; every read
  // that returned bytes is one chunk, in arrival order.
  std::vector<Bytes> read_chunks(std::size_t count, std::chrono::milliseconds deadline);
  // The chunks joined.
  Bytes read(std::size_t count, std::chrono::milliseconds deadline);

 private:
  int fd_ = -1;
};

}  // namespace vela::test
