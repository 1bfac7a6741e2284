#pragma once
// Request/reply over UDP: send one request to the current device, then take
// the first datagram that passes the reply rule within the reply window.
#include <functional>
#include <optional>

#include "udp_link.h"

namespace vela {

enum class ReplyRule { Code, Framing };

struct UdpExchangeOptions {
  ReplyRule rule = ReplyRule::Code;
  std::uint8_t code = 0;  // expected code (code rule)
  int window_ms = 200;
  std::size_t buffer_size = frame::kPageReadBuffer;
  bool log_received_length = false;  // "recv len is %d \n"
  // Written for a datagram that fails the rule; nullptr writes nothing.
  const char* rejected_diagnostic = "the cmd is not right \n";
  bool start_window_after_send = false;  // some reads note the tick after sending
  bool pause_after_send = true;          // the 10 ms pause before polling
  bool close_after = true;
  // A page that keeps its socket open sends on it as it is.
  bool prepare_socket = true;
  // Datagrams still queued on a socket kept open (late replies to an
  // earlier request) are dropped before sending, so none is taken as this
  // request's reply.
  bool drain_before_send = false;
  // When set, a datagram that passes the rule but that the reader cannot
  // decode (false; the hook writes its own diagnostic) is passed over and
  // the wait goes on.
  std::function<bool(ByteView datagram)> decodable;
  // What the reply window waits for, in an operator's words ("state read").
  const char* purpose = "reply";
};

// Returns the accepted datagram, or nothing when the window ran out
// ("wait time over \n"). Waiting blocks in poll(); it never spins.
std::optional<Bytes> exchange_udp(UdpLink& link, const DeviceEntry* current_device, ByteView request,
                                  const UdpExchangeOptions& options);

bool passes_reply_rule(ByteView datagram, const UdpExchangeOptions& options);

}  // namespace vela
