#pragma once
// vela-devsim as a peer for a test: started with the given arguments, ready
// once it printed "ready", stopped (SIGTERM, then wait) when destroyed.
#include <sys/types.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim_log.h"
#include "temp_dir.h"

namespace vela::test {

// One "udp <name> <addr>:<port> type=0x.. id=N" line.
struct SimUdpDevice {
  std::string name;
  std::string addr;
  std::uint16_t port = 0;
  std::uint8_t type = 0;
  std::uint8_t id = 0;
};

class SimProcess {
 public:
  // Starts VELA_DEVSIM_PATH. Unless the arguments name a log, "--log" points
  // into a private directory (log_path()). Throws std::runtime_error, with
  // the simulator's standard error, when it exits or is not ready in time.
  explicit SimProcess(std::vector<std::string> args,
                      std::chrono::milliseconds ready_deadline = std::chrono::seconds(30));
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;

  const std::vector<SimUdpDevice>& udp_devices() const { return udp_devices_; }
  // The "listen" address and port, when a broadcast listener was asked for.
  const std::optional<std::string>& listen_addr() const { return listen_addr_; }
  std::uint16_t listen_port() const { return listen_port_; }
  // The "serial" line's pseudo-terminal path (empty without --serial).
  const std::string& pty_path() const { return pty_path_; }
  const std::string& log_path() const { return log_path_; }
  pid_t pid() const { return pid_; }

  // Writes one line (its end added) to the simulator's control channel, its
  // standard input, and returns the simulator's log record of it, written
  // once the line was applied (its note says why a line was not). Throws
  // std::runtime_error when no record comes.
  LogRecord control(const std::string& line);

  // Sends the signal and waits for the end; returns the exit code (128 +
  // signal when killed). The simulator is killed when it does not end in time.
  int stop(int signal = SIGTERM, std::chrono::milliseconds deadline = std::chrono::seconds(20));
  std::string stderr_text() const;

 private:
  void wait_ready(std::chrono::milliseconds deadline);
  void parse_line(const std::string& line);

  TempDir dir_;
  std::vector<std::string> argv_;
  std::string log_path_;
  pid_t pid_ = -1;
  int control_fd_ = -1;  // the write end of the simulator's standard input
  std::optional<int> exit_code_;
  std::vector<SimUdpDevice> udp_devices_;
  std::optional<std::string> listen_addr_;
  std::uint16_t listen_port_ = 0;
  std::string pty_path_;
};

}  // namespace vela::test
