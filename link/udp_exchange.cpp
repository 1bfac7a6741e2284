#include "udp_exchange.h"

#include <thread>

#include "deadline.h"
#include "diagnostics.h"
#include "reply_window.h"

namespace vela {

bool passes_reply_rule(ByteView datagram, const UdpExchangeOptions& options) {
  return options.rule == ReplyRule::Code ? passes_code_rule(datagram, options.code) : passes_framing_rule(datagram);
}

std::optional<Bytes> exchange_udp(UdpLink& link, const DeviceEntry* current_device, ByteView request,
                                  const UdpExchangeOptions& options) {
  Deadline window(options.window_ms);
  OpenReplyWindow shown(ReplyWindowKind::UdpReply, options.purpose, request, options.window_ms, current_device);
  if (options.prepare_socket) link.prepare_command_socket(current_device);
  Bytes buffer(options.buffer_size, 0);
  if (options.drain_before_send) {
    while (link.poll(buffer.data(), buffer.size()).kind != Received::Kind::Nothing) {
    }
  }
  link.send(request);
  if (options.start_window_after_send) window.restart();
  if (options.pause_after_send) std::this_thread::sleep_for(std::chrono::milliseconds(kCommandPauseMs));

  std::optional<Bytes> accepted;
  while (!accepted) {
    if (window.expired()) {
      diag("wait time over \n");
      break;
    }
    const Received received = link.poll(buffer.data(), buffer.size());
    if (received.kind == Received::Kind::Nothing) {
      link.wait_readable(window);
      continue;
    }
    if (received.kind == Received::Kind::Oversized) continue;
    if (options.log_received_length) diag("recv len is %d \n", static_cast<int>(received.length));
    const ByteView datagram(buffer.data(), received.length);
    if (!passes_reply_rule(datagram, options)) {
      if (options.rejected_diagnostic) diag("%s", options.rejected_diagnostic);
      continue;
    }
    if (options.decodable && !options.decodable(datagram)) continue;
    accepted = Bytes(datagram.begin(), datagram.end());
  }
  shown.close(accepted ? ReplyWindowOutcome::Replied : ReplyWindowOutcome::NothingAccepted);
  if (options.close_after) link.close();
  return accepted;
}

}  // namespace vela
