#include "stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include "errors.h"

namespace vela::sim {
namespace {

volatile sig_atomic_t signal_write_fd = -1;

extern "C" void on_stop_signal(int) {
  const int saved = errno;
  const char byte = 's';
  if (signal_write_fd >= 0 && ::write(signal_write_fd, &byte, 1) < 0) {
    // The pipe is full: a stop is already pending.
  }
  errno = saved;
}

}  // namespace

StopSignals::StopSignals() {
  int fds[2];
  if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) throw SetupError(std::string("pipe: ") + std::strerror(errno));
  read_fd_ = fds[0];
  write_fd_ = fds[1];
  signal_write_fd = write_fd_;

  struct sigaction action {};
  action.sa_handler = on_stop_signal;
  sigemptyset(&action.sa_mask);
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
}

StopSignals::~StopSignals() {
  std::signal(SIGTERM, SIG_DFL);
  std::signal(SIGINT, SIG_DFL);
  signal_write_fd = -1;
  ::close(read_fd_);
  ::close(write_fd_);
}

}  // namespace vela::sim
