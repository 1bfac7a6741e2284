#include "serial_peer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>

namespace vela::test {
namespace {

int open_terminal(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  return fd;
}

}  // namespace

SerialPeer::SerialPeer(const std::string& path) : SerialPeer(open_terminal(path)) {}

SerialPeer::SerialPeer(int fd) : fd_(fd) {
  termios settings{};
  ::tcgetattr(fd_, &settings);
  ::cfmakeraw(&settings);
  ::tcsetattr(fd_, TCSANOW, &settings);
  ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
}

SerialPeer::~SerialPeer() { ::close(fd_); }

void SerialPeer::write(ByteView bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    pollfd p{fd_, POLLOUT, 0};
    if (::poll(&p, 1, 5000) <= 0) throw std::runtime_error("serial write blocked");
  }
}

std::vector<Bytes> SerialPeer::read_chunks(std::size_t count, std::chrono::milliseconds deadline) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + deadline;
  std::vector<Bytes> chunks;
  std::size_t total = 0;
  while (total < count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - total));
    if (n <= 0) continue;
    chunks.emplace_back(buffer, buffer + n);
    total += static_cast<std::size_t>(n);
  }
  return chunks;
}

Bytes SerialPeer::read(std::size_t count, std::chrono::milliseconds deadline) {
  Bytes all;
  for (const Bytes& chunk : read_chunks(count, deadline)) all.insert(all.end(), chunk.begin(), chunk.end());
  return all;
}

}  // namespace vela::test
