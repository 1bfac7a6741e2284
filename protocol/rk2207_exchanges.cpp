#include "rk2207_exchanges.h"

#include "diagnostics.h"
#include "link_session.h"
#include "rk2207_protocol.h"
#include "udp_exchange.h"

namespace vela::rk2207_exchanges {

std::optional<std::uint8_t> read_state(LinkSession& link, Rk2207State& state) {
  UdpExchangeOptions options;
  options.rule = ReplyRule::Code;
  options.code = rk2207::code::kState;
  options.window_ms = rk2207::kStateWindowMs;
  options.log_received_length = true;
  options.purpose = "state read";
  // A reply that ends before the last byte read is passed over like a
  // foreign one.
  options.decodable = [](ByteView datagram) {
    if (datagram.size() >= rk2207::state_reply::kFrameLength) return true;
    diag("state reply of %d bytes is shorter than %d, not decoded \n", static_cast<int>(datagram.size()),
         static_cast<int>(rk2207::state_reply::kFrameLength));
    return false;
  };
  const Bytes request = link.build_request(frame::kLinkUdp, rk2207::code::kState);
  std::optional<std::uint8_t> show_mode;
  if (const auto reply = exchange_udp(link.udp_link(), link.current_device(), request, options)) {
    show_mode = rk2207::decode_state_reply(*reply, state);
  }
  diag("read over \n");
  return show_mode;
}

void send_show_mode(LinkSession& link, std::uint8_t mode) {
  link.send_command(rk2207::code::kShowMode, rk2207::show_mode_payload(mode), /*udp_only=*/true);
}

}  // namespace vela::rk2207_exchanges
