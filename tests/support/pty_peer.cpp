#include "pty_peer.h"

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <stdexcept>

namespace vela::test {

PtyPeer::Terminal PtyPeer::open_terminal() {
  int master = -1;
  int slave = -1;
  char name[128] = {};
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
  // Processes the tests start must not keep the line up.
  ::fcntl(master, F_SETFD, FD_CLOEXEC);
  ::fcntl(slave, F_SETFD, FD_CLOEXEC);
  return {master, slave, name};
}

PtyPeer::PtyPeer() : PtyPeer(open_terminal()) {}

PtyPeer::PtyPeer(Terminal terminal) : SerialPeer(terminal.master), slave_(terminal.slave), path_(terminal.path) {}

PtyPeer::~PtyPeer() { ::close(slave_); }

}  // namespace vela::test
