#include "symlink_guard.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "errors.h"

namespace vela::sim {

SymlinkGuard::SymlinkGuard(const std::string& target, const std::string& path) : path_(path) {
  struct stat existing {};
  if (::lstat(path.c_str(), &existing) == 0) {
    if (!S_ISLNK(existing.st_mode)) throw SetupError(path + " exists and is not a symlink");
    ::unlink(path.c_str());
  }
  if (::symlink(target.c_str(), path.c_str()) != 0)
    throw SetupError("cannot create symlink " + path + ": " + std::strerror(errno));
}

SymlinkGuard::~SymlinkGuard() { ::unlink(path_.c_str()); }

}  // namespace vela::sim
