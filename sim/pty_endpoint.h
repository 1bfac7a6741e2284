#pragma once
// The simulator's pseudo-terminal: the master side is read and written here,
// the slave side is what the panel opens as its serial port. The slave stays
// open in the simulator as well, so the master never sees EIO/hang-up when
// the panel closes the port and opens it again.
#include <optional>
#include <string>

#include "frame.h"
#include "unique_fd.h"

namespace vela::sim {

class PtyEndpoint {
 public:
  // Creates the pair in raw mode; throws SetupError.
  PtyEndpoint();

  int fd() const { return master_.get(); }
  const std::string& slave_path() const { return slave_path_; }

  // Everything waiting now (empty when nothing is).
  Bytes read_available();
  // Writes as much as the terminal takes now and returns the count written;
  // nothing on a failure other than a full buffer (reported on stderr).
  std::optional<std::size_t> write_some(ByteView bytes);
  // Closes both sides: whoever holds the slave sees its line hang up.
  void close();
  bool is_open() const { return master_.valid(); }

 private:
  UniqueFd master_;
  UniqueFd slave_;
  std::string slave_path_;
};

}  // namespace vela::sim
