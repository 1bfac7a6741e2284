#pragma once
// SIGTERM and SIGINT turned into a readable descriptor (self-pipe), so the
// event loop can end cleanly. SIGPIPE is ignored.
namespace vela::sim {

class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  int fd() const { return read_fd_; }

 private:
  int read_fd_ = -1;
  int write_fd_ = -1;
};

}  // namespace vela::sim
