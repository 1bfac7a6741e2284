#pragma once
// The one blocking wait of the link: poll() until a descriptor is ready or
// a window has ended, with interrupted waits resumed for what is left.
#include <poll.h>

#include "deadline.h"

namespace vela {

// until == nullptr waits without a limit. Returns poll()'s result; with no
// descriptors it simply sleeps out the window. Inside a reply window that
// someone listens to, the listeners hear how much is left at least every
// kWaitSliceMs.
int poll_until(pollfd* fds, nfds_t count, const Deadline* until);

}  // namespace vela
