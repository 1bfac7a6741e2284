#pragma once
// One end of a serial line for tests, in raw mode: written, and read piece
// by piece. Opened on a path it is the panel's end of the simulator's
// pseudo-terminal; PtyPeer makes a terminal of its own and plays the device.
#include <chrono>
#include <string>
#include <vector>

#include "frame.h"

namespace vela::test {

class SerialPeer {
 public:
  // A guard against a hang, not a timing check.
  static constexpr std::chrono::milliseconds kReadGuard{10000};

  // Throws std::runtime_error when the terminal cannot be opened.
  explicit SerialPeer(const std::string& path);
  ~SerialPeer();
  SerialPeer(const SerialPeer&) = delete;
  SerialPeer& operator=(const SerialPeer&) = delete;

  // Throws std::runtime_error when the line takes nothing for seconds.
  void write(ByteView bytes);
  // Reads until `count` bytes arrived or the deadline passed; every read
  // that returned bytes is one chunk, in arrival order.
  std::vector<Bytes> read_chunks(std::size_t count, std::chrono::milliseconds deadline = kReadGuard);
  // The chunks joined.
  Bytes read(std::size_t count, std::chrono::milliseconds deadline = kReadGuard);

 protected:
  // Takes over an open descriptor and puts its line in raw, non-blocking mode.
  explicit SerialPeer(int fd);

 private:
  int fd_ = -1;
};

}  // namespace vela::test
