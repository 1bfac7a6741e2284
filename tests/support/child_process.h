#pragma once
// Starting a child program: argv conversion, exit status decoding.
#include <sys/types.h>

#include <string>
#include <vector>

namespace vela::test {

// Forks and executes argv[0] with the given descriptors as standard input,
// output and error. The child gets SIGTERM when the test process dies.
// Throws std::runtime_error when fork fails; an exec failure exits with 127.
pid_t spawn_child(const std::vector<std::string>& argv, int stdin_fd, int stdout_fd, int stderr_fd);

// Exit status from a waitpid status: the code, or 128 + signal.
int decode_wait_status(int status);

}  // namespace vela::test
