#pragma once
// Start-up failures of the simulator. Both end the program with exit code 2.
#include <stdexcept>

namespace vela::sim {

// The command line or the configuration file is malformed.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A socket, the pseudo-terminal, the symlink or the log could not be set up.
struct SetupError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace vela::sim
