#pragma once
// A pseudo-terminal whose master side plays the device in serial tests. The
// slave's path is what the port under test opens; the peer also keeps a
// slave descriptor of its own so that the line stays up between opens.
#include <string>

#include "serial_peer.h"

namespace vela::test {

class PtyPeer : public SerialPeer {
 public:
  // Throws std::runtime_error when no pseudo-terminal can be made.
  PtyPeer();
  ~PtyPeer();

  const std::string& path() const { return path_; }
  int slave_fd() const { return slave_; }

 private:
  struct Terminal {
    int master;
    int slave;
    std::string path;
  };
  static Terminal open_terminal();
  explicit PtyPeer(Terminal terminal);

  int slave_ = -1;
  std::string path_;
};

}  // namespace vela::test
