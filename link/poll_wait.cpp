#include "poll_wait.h"

#include <algorithm>
#include <cerrno>

#include "reply_window.h"

namespace vela {

namespace {

int poll_resuming(pollfd* fds, nfds_t count, int timeout_ms) {
  for (;;) {
    const int ready = ::poll(fds, count, timeout_ms);
    if (ready >= 0 || errno != EINTR) return ready;
  }
}

}  // namespace

int poll_until(pollfd* fds, nfds_t count, const Deadline* until) {
  if (until == nullptr || !waiting_in_listened_window()) {
    return poll_resuming(fds, count, until ? until->remaining_ms() : -1);
  }
  // Someone shows this wait: wake at least every slice to tell them what is
  // left. The window's end is unchanged.
  for (;;) {
    const int remaining = until->remaining_ms();
    const int ready = poll_resuming(fds, count, std::min(remaining, kWaitSliceMs));
    if (ready != 0 || remaining <= kWaitSliceMs) return ready;
    report_waiting(until->remaining_ms());
  }
}

}  // namespace vela
