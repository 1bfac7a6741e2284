#include "lever_link.h"

#include <array>

#include "link_session.h"
#include "switcher_protocol.h"

namespace vela {

LeverWorker::Sender lever_sender(LinkSession& link) {
  return [&link](std::uint8_t direction, std::uint8_t value) {
    const std::array<std::uint8_t, 2> payload{direction, value};
    link.udp_link().send(link.build_request(frame::kLinkUdp, switcher::code::kTransitionPosition, payload));
  };
}

}  // namespace vela
