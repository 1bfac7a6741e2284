#pragma once
// What a running process has used, read from /proc.
#include <sys/types.h>

namespace vela::test {

// User plus system CPU time of the process so far, in seconds.
double cpu_seconds(pid_t pid);

}  // namespace vela::test
