#include "poll_wait.h"

#include <cerrno>

namespace vela {

int poll_until(pollfd* fds, nfds_t count, const Deadline* until) {
  for (;;) {
    const int ready = ::poll(fds, count, until ? until->remaining_ms() : -1);
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

}  // namespace vela
