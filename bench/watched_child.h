#pragma once
// A program started by a benchmark: one of its output streams is read line by
// line (the other goes to /dev/null), its start and the moment a given line
// came are timed, and its resource use is collected when it ends.
#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vela::bench {

class WatchedChild {
 public:
  enum class Stream { Out, Err };
  using Clock = std::chrono::steady_clock;

  // argv[0] is the program's path. Throws std::runtime_error.
  WatchedChild(const std::vector<std::string>& argv, Stream watched);
  ~WatchedChild();
  WatchedChild(const WatchedChild&) = delete;
  WatchedChild& operator=(const WatchedChild&) = delete;

  pid_t pid() const { return pid_; }
  Clock::time_point started() const { return started_; }

  // The first line from now on that starts with `prefix`, and when it came;
  // nothing when the stream ends or the deadline passes first.
  struct Line {
    std::string text;
    Clock::time_point at;
  };
  std::optional<Line> wait_for_line(const std::string& prefix, std::chrono::milliseconds deadline);

  // Waits for the end (sending `signal` first unless 0; killed when it does
  // not end within the deadline) and returns what the program used. ru_maxrss
  // is its peak resident memory (VmHWM) in kB.
  rusage finish(int signal, std::chrono::milliseconds deadline = std::chrono::seconds(10));

 private:
  pid_t pid_ = -1;
  int read_fd_ = -1;
  std::string pending_;
  Clock::time_point started_;
  bool ended_ = false;
};

}  // namespace vela::bench
