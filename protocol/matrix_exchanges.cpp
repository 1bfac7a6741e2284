#include "matrix_exchanges.h"

#include "diagnostics.h"
#include "link_session.h"
#include "matrix_protocol.h"
#include "udp_exchange.h"

namespace vela::matrix_exchanges {

bool text_carrier_ready(const LinkSession& link) {
  return link.connection_mode() != connection_mode::kSerial || link.serial_port().is_open();
}

bool send_text(LinkSession& link, const std::string& text) {
  const ByteView bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  if (link.connection_mode() == connection_mode::kSerial) return link.send_serial_bytes(bytes);
  return link.send_udp_frame(bytes, matrix::kTextPauseMs);
}

bool query_lock(LinkSession& link, MatrixState& state) {
  UdpExchangeOptions options;
  options.rule = ReplyRule::Framing;
  options.window_ms = matrix::kLockWindowMs;
  options.rejected_diagnostic = nullptr;
  options.purpose = "lock read";
  // A framed datagram too short to hold the lock (an echo of the query
  // itself) is passed over; the wait goes on.
  options.decodable = [](ByteView datagram) {
    if (matrix::read_lock_reply(datagram)) return true;
    diag("lock reply of %d bytes carries no lock, not decoded \n", static_cast<int>(datagram.size()));
    return false;
  };
  const Bytes request = link.build_request(frame::kLinkUdp, matrix::code::kLockQuery);
  if (const auto reply = exchange_udp(link.udp_link(), link.current_device(), request, options)) {
    state.m_buttons_locked = *matrix::read_lock_reply(*reply);
    diag(" m_p_glo_main_set_or_get_dlg->m_matrix_btn_lock %d\n", state.m_buttons_locked);
    state.lock_origin.confirm();
    return true;
  }
  state.lock_origin.forget();
  return false;
}

bool set_lock(LinkSession& link, std::uint8_t value) {
  return link.send_command(matrix::code::kLockSet, matrix::lock_payload(value), /*udp_only=*/true);
}

}  // namespace vela::matrix_exchanges
