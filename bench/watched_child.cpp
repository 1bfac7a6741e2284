#include "watched_child.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <thread>

#include "child_process.h"

namespace vela::bench {

WatchedChild::WatchedChild(const std::vector<std::string>& argv, Stream watched) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const int null_fd = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  const bool out = watched == Stream::Out;
  started_ = Clock::now();
  pid_ = test::spawn_child(argv, null_fd, out ? fds[1] : null_fd, out ? null_fd : fds[1]);
  ::close(fds[1]);
  ::close(null_fd);
  read_fd_ = fds[0];
}

WatchedChild::~WatchedChild() {
  if (!ended_) finish(SIGKILL);
  ::close(read_fd_);
}

std::optional<WatchedChild::Line> WatchedChild::wait_for_line(const std::string& prefix,
                                                              std::chrono::milliseconds deadline) {
  const auto end = Clock::now() + deadline;
  for (;;) {
    for (std::size_t newline; (newline = pending_.find('\n')) != std::string::npos;) {
      std::string line = pending_.substr(0, newline);
      pending_.erase(0, newline + 1);
      if (line.rfind(prefix, 0) == 0) return Line{std::move(line), Clock::now()};
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    if (left <= 0) return std::nullopt;
    pollfd p{read_fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
    char buffer[4096];
    const ssize_t got = ::read(read_fd_, buffer, sizeof buffer);
    if (got <= 0) return std::nullopt;
    pending_.append(buffer, static_cast<std::size_t>(got));
  }
}

rusage WatchedChild::finish(int signal, std::chrono::milliseconds deadline) {
  rusage usage{};
  if (ended_) return usage;
  if (signal != 0) ::kill(pid_, signal);
  const auto end = Clock::now() + deadline;
  int status = 0;
  while (::wait4(pid_, &status, WNOHANG, &usage) == 0) {
    if (Clock::now() >= end) {
      ::kill(pid_, SIGKILL);
      ::wait4(pid_, &status, 0, &usage);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ended_ = true;
  return usage;
}

}  // namespace vela::bench
