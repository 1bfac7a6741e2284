#pragma once
// How the lever worker reaches the switcher: each value as a transition
// position command over UDP (link flag 1) on the socket the switcher page
// keeps open. Sending only reads the link, so it may run beside the window
// thread's own sends while the socket stays open.
#include "lever_worker.h"

namespace vela {

class LinkSession;

LeverWorker::Sender lever_sender(LinkSession& link);

}  // namespace vela
