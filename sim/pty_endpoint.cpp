#include "pty_endpoint.h"

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "errors.h"

namespace vela::sim {

PtyEndpoint::PtyEndpoint() {
  int master = -1;
  int slave = -1;
  if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
    throw SetupError(std::string("openpty: ") + std::strerror(errno));
  master_ = UniqueFd(master);
  slave_ = UniqueFd(slave);

  char path[256] = {};
  if (::ptsname_r(master, path, sizeof path) != 0) throw SetupError(std::string("ptsname: ") + std::strerror(errno));
  slave_path_ = path;

  termios settings{};
  if (::tcgetattr(slave, &settings) != 0) throw SetupError(std::string("tcgetattr: ") + std::strerror(errno));
  ::cfmakeraw(&settings);
  if (::tcsetattr(slave, TCSANOW, &settings) != 0) throw SetupError(std::string("tcsetattr: ") + std::strerror(errno));

  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
}

Bytes PtyEndpoint::read_available() {
  Bytes bytes;
  std::uint8_t chunk[4096];
  while (true) {
    const ssize_t got = ::read(master_.get(), chunk, sizeof chunk);
    if (got > 0) {
      bytes.insert(bytes.end(), chunk, chunk + got);
      continue;
    }
    if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
      std::fprintf(stderr, "vela-devsim: read %s: %s\n", slave_path_.c_str(), std::strerror(errno));
    return bytes;
  }
}

void PtyEndpoint::close() {
  slave_.reset();
  master_.reset();
}

std::optional<std::size_t> PtyEndpoint::write_some(ByteView bytes) {
  if (bytes.empty()) return 0;
  const ssize_t written = ::write(master_.get(), bytes.data(), bytes.size());
  if (written >= 0) return static_cast<std::size_t>(written);
  if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
  std::fprintf(stderr, "vela-devsim: write %s: %s\n", slave_path_.c_str(), std::strerror(errno));
  return std::nullopt;
}

}  // namespace vela::sim
