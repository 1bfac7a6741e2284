#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

#include "child_process.h"

namespace vela::test {

std::string command_text(const std::vector<std::string>& argv) {
  std::string text;
  for (const std::string& a : argv) text += (text.empty() ? "" : " ") + a;
  return text;
}

ProcessResult run_process(const std::vector<std::string>& argv, std::chrono::milliseconds timeout) {
  int out_pipe[2];
  int err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0 || ::pipe2(err_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  const int null_fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  const pid_t pid = spawn_child(argv, null_fd, out_pipe[1], err_pipe[1]);
  ::close(null_fd);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);

  ProcessResult result;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int open_pipes = 2;
  while (open_pipes > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
      break;
    }
    if (::poll(fds, 2, static_cast<int>(left.count())) < 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char chunk[4096];
      const ssize_t got = ::read(fds[i].fd, chunk, sizeof chunk);
      if (got > 0) {
        sinks[i]->append(chunk, static_cast<std::size_t>(got));
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
  }
  for (const pollfd& p : fds)
    if (p.fd >= 0) ::close(p.fd);
  int status = 0;
  while (true) {
    const pid_t done = ::waitpid(pid, &status, result.timed_out ? 0 : WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) break;
    if (std::chrono::steady_clock::now() >= deadline) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
    } else {
      ::usleep(5000);  // output closed, the program is about to end
    }
  }
  result.exit_code = decode_wait_status(status);
  return result;
}

}  // namespace vela::test
