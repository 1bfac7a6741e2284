#include "child_process.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace vela::test {

pid_t spawn_child(const std::vector<std::string>& argv, int stdin_fd, int stdout_fd, int stderr_fd) {
  if (argv.empty()) throw std::runtime_error("spawn_child: empty argv");
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  const pid_t parent = ::getpid();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent) ::_exit(127);
    ::dup2(stdin_fd, STDIN_FILENO);
    ::dup2(stdout_fd, STDOUT_FILENO);
    ::dup2(stderr_fd, STDERR_FILENO);
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  return pid;
}

int decode_wait_status(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace vela::test
