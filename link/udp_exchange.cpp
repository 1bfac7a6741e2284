#include "udp_exchange.h"

#include <thread>

#include "diagnostics.h"
#include "ticks.h"

namespace vela {

bool passes_reply_rule(ByteView datagram, const UdpExchangeOptions& options) {
  return options.rule == ReplyRule::Code ? passes_code_rule(datagram, options.code) : passes_framing_rule(datagram);
}

std::optional<Bytes> exchange_udp(UdpLink& link, const DeviceEntry* current_device, ByteView request,
                                  const UdpExchangeOptions& options) {
  std::int64_t start = tick_ms();
  link.prepare_command_socket(current_device);
  link.send(request);
  if (options.start_window_after_send) start = tick_ms();
  if (options.pause_after_send) std::this_thread::sleep_for(std::chrono::milliseconds(10));

  std::optional<Bytes> accepted;
  Bytes buffer(options.buffer_size, 0);
  for (;;) {
    const std::int64_t elapsed = tick_ms() - start;
    if (elapsed > options.window_ms) {
      diag("wait time over \n");
      break;
    }
    const Received received = link.poll(buffer.data(), buffer.size());
    if (received.kind == Received::Kind::Nothing) {
      link.wait_readable(static_cast<int>(options.window_ms - elapsed) + 1);
      continue;
    }
    if (received.kind == Received::Kind::Oversized) continue;
    if (options.log_received_length) diag("recv len is %d \n", static_cast<int>(received.length));
    const ByteView datagram(buffer.data(), received.length);
    if (passes_reply_rule(datagram, options)) {
      accepted = Bytes(datagram.begin(), datagram.end());
      break;
    }
    if (options.rejected_diagnostic) diag("%s", options.rejected_diagnostic);
  }
  if (options.close_after) link.close();
  return accepted;
}

}  // namespace vela
