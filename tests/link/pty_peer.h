#pragma once
// A pseudo-terminal whose master side plays the device in serial tests. The
// slave's path is what the port under test opens; the peer also keeps a
// slave descriptor of its own so that the line stays up between opens.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vela::test {

class PtyPeer {
 public:
  PtyPeer() {
    char name[128] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
    path_ = name;
    termios raw{};
    ::tcgetattr(master_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(master_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PtyPeer() {
    ::close(master_);
    ::close(slave_);
  }
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  const std::string& path() const { return path_; }
  int slave_fd() const { return slave_; }

  // Device side: sends bytes to the port.
  void send(const std::vector<std::uint8_t>& bytes) const {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
      } else {
        pollfd out{master_, POLLOUT, 0};
        ::poll(&out, 1, 100);
      }
    }
  }

  // Device side: reads until `count` bytes came or nothing arrived for
  // idle_ms (a guard against a hang, not a timing check).
  std::vector<std::uint8_t> receive(std::size_t count, int idle_ms = 10000) const {
    std::vector<std::uint8_t> got;
    std::uint8_t chunk[4096];
    while (got.size() < count) {
      pollfd in{master_, POLLIN, 0};
      if (::poll(&in, 1, idle_ms) <= 0) break;
      const ssize_t n = ::read(master_, chunk, std::min(sizeof chunk, count - got.size()));
      if (n > 0)
        got.insert(got.end(), chunk, chunk + n);
      else if (n < 0 && errno != EAGAIN && errno != EINTR)
        break;
    }
    return got;
  }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
};

}  // namespace vela::test
