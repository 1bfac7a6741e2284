#include "control_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <utility>

namespace vela::sim {

ControlChannel::ControlChannel(EventLoop& loop, int fd, LineHandler handler)
    : loop_(loop), fd_(::fcntl(fd, F_GETFD) == -1 ? -1 : fd), handler_(std::move(handler)) {
  if (fd_ < 0) return;
  // A background read from the terminal then fails (EIO) rather than
  // stopping the whole simulator.
  std::signal(SIGTTIN, SIG_IGN);
  loop_.watch(fd_, POLLIN, [this](short) { on_readable(); });
}

ControlChannel::~ControlChannel() { close(); }

void ControlChannel::close() {
  if (fd_ >= 0) loop_.unwatch(fd_);
  fd_ = -1;
}

void ControlChannel::on_readable() {
  char buffer[4096];
  const ssize_t count = ::read(fd_, buffer, sizeof buffer);
  if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (count <= 0) {
    // The end of the channel; a last line without its end still counts.
    if (!pending_.empty()) handler_(std::exchange(pending_, {}));
    close();
    return;
  }
  pending_.append(buffer, static_cast<std::size_t>(count));
  for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    handler_(line);
  }
}

}  // namespace vela::sim
