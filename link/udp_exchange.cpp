#include "udp_exchange.h"

#include <thread>

#include "deadline.h"
#include "diagnostics.h"
#include "reply_window.h"

namespace vela {

namespace {

// The read an exchange makes: where its request goes and what it takes.
ReadKey read_key(const UdpLink& link, const DeviceEntry* current_device, const UdpExchangeOptions& options) {
  std::string device;
  if (!options.prepare_socket) {
    device = address_text(link.address_record);
  } else if (current_device) {
    device = current_device->address_text();
  }
  return {std::move(device), static_cast<int>(options.rule), options.code};
}

void drain(UdpLink& link, Bytes& buffer) {
  while (link.poll(buffer.data(), buffer.size()).kind != Received::Kind::Nothing) {
  }
}

// Listens out the hold-off, throwing away what arrives: answers to an
// earlier request of the same read.
void sit_out_late_answers(UdpLink& link, Bytes& buffer, int hold_off_ms) {
  const Deadline hold_off(hold_off_ms);
  while (!hold_off.expired()) {
    drain(link, buffer);
    link.wait_readable(hold_off);
  }
}

}  // namespace

bool passes_reply_rule(ByteView datagram, const UdpExchangeOptions& options) {
  return options.rule == ReplyRule::Code ? passes_code_rule(datagram, options.code) : passes_framing_rule(datagram);
}

std::optional<Bytes> exchange_udp(UdpLink& link, const DeviceEntry* current_device, ByteView request,
                                  const UdpExchangeOptions& options) {
  const ReadKey read = read_key(link, current_device, options);
  const int hold_off_ms = link.late_answers.hold_off_ms(read, tick_ms());
  OpenReplyWindow shown(ReplyWindowKind::UdpReply, options.purpose, request, hold_off_ms + options.window_ms,
                        current_device);
  if (options.prepare_socket) link.prepare_command_socket(current_device);
  Bytes buffer(options.buffer_size, 0);
  if (hold_off_ms > 0) sit_out_late_answers(link, buffer, hold_off_ms);
  if (options.drain_before_send || hold_off_ms > 0) drain(link, buffer);
  Deadline window(options.window_ms);
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
  link.late_answers.exchange_ended(read, tick_ms());
  shown.close(accepted ? ReplyWindowOutcome::Replied : ReplyWindowOutcome::NothingAccepted);
  if (options.close_after) link.close();
  return accepted;
}

}  // namespace vela
