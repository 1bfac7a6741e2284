#pragma once
// Runs a program to its end (fork/exec, no shell) and collects its output.
#include <chrono>
#include <string>
#include <vector>

namespace vela::test {

struct ProcessResult {
  int exit_code = -1;  // the exit status, 128 + signal when killed, 127 when exec failed
  std::string out;
  std::string err;
  bool timed_out = false;  // killed at the deadline
};

// argv[0] is the program's path. Standard input is /dev/null.
ProcessResult run_process(const std::vector<std::string>& argv,
                          std::chrono::milliseconds timeout = std::chrono::seconds(60));

// "prog a b": for failure messages.
std::string command_text(const std::vector<std::string>& argv);

}  // namespace vela::test
