#pragma once
// A symlink that exists while the simulator runs (--serial-link). A stale
// symlink at the path is replaced; any other file there is an error.
#include <string>

namespace vela::sim {

class SymlinkGuard {
 public:
  // Throws SetupError.
  SymlinkGuard(const std::string& target, const std::string& path);
  ~SymlinkGuard();
  SymlinkGuard(const SymlinkGuard&) = delete;
  SymlinkGuard& operator=(const SymlinkGuard&) = delete;

 private:
  std::string path_;
};

}  // namespace vela::sim
