#include "multiviewer_exchanges.h"

#include "device_address_check.h"
#include "diagnostics.h"
#include "link_session.h"
#include "multiviewer_preview.h"
#include "multiviewer_protocol.h"
#include "record_changes.h"
#include "serial_exchange.h"
#include "udp_exchange.h"

namespace vela::multiviewer_exchanges {
namespace {

namespace mv = multiviewer;

// A reply that passes the code rule but ends before the last byte its
// decoder reads is not taken: the wait goes on.
std::function<bool(ByteView)> whole_reply_of(std::size_t frame_length, const char* what) {
  return [frame_length, what](ByteView datagram) {
    if (datagram.size() >= frame_length) return true;
    diag("%s reply of %d bytes is shorter than %d, not decoded \n", what, static_cast<int>(datagram.size()),
         static_cast<int>(frame_length));
    return false;
  };
}

UdpExchangeOptions code_rule(std::uint8_t code, int window_ms) {
  UdpExchangeOptions options;
  options.rule = ReplyRule::Code;
  options.code = code;
  options.window_ms = window_ms;
  return options;
}

void read_state_udp(LinkSession& link, MultiviewerState& state) {
  UdpExchangeOptions options = code_rule(mv::code::kState, mv::kStateWindowUdpMs);
  options.rejected_diagnostic =
      "the cmd is not right\xEF\xBC\x8C"
      "continue \n";
  options.decodable = whole_reply_of(mv::state_reply::kFrameLength, "state");
  options.purpose = "state read";
  const Bytes request = link.build_request(frame::kLinkUdp, mv::code::kState);
  // Only a reply decoded now makes the record known again.
  state.settings_origin.forget();
  state.status_origin.forget();
  if (const auto reply = exchange_udp(link.udp_link(), link.current_device(), request, options)) {
    mv::decode_state_reply(*reply, state, mv::DecodeStatus::Take, mv::DecodeDiagnostics::On);
  }
  state.state_read = 1;
}

// False when the port is closed: then nothing was asked.
bool read_state_serial(LinkSession& link, MultiviewerState& state) {
  if (!link.serial_port().is_open()) return false;
  const Bytes request = link.build_request(frame::kLinkSerial, mv::code::kState);
  // The reply scanner's decoder confirms the settings if a reply comes.
  state.settings_origin.forget();
  exchange_serial(link.serial_port(), link.serial_reassembly(), request, link.scanner_targets(),
                  mv::kStateWindowSerialMs, {}, "state read");
  state.state_read = 1;
  return true;
}

// False, with a diagnostic, when the current entry's address is no place to
// send `what` to. No current device is left to the link, which says so.
bool udp_target_usable(const LinkSession& link, const char* what) {
  const DeviceEntry* device = link.current_device();
  if (device == nullptr) return true;
  const std::string address = device->address_text();
  const std::optional<std::string> refusal = refuse_device_address(address);
  if (!refusal) return true;
  diag("device address \"%s\" is %s, %s not sent \n", address.c_str(), refusal->c_str(), what);
  return false;
}

}  // namespace

bool send(LinkSession& link, std::uint8_t command_code, ByteView payload) {
  return link.send_command(command_code, payload);
}

bool send_over_udp(LinkSession& link, std::uint8_t command_code, ByteView payload) {
  if (!udp_target_usable(link, mv::command_name(command_code).c_str())) return false;
  return link.send_command(command_code, payload, true);
}

void read_state(LinkSession& link, MultiviewerState& state, RecordChanges& changes) {
  bool asked = true;
  if (link.connection_mode() == connection_mode::kSerial) {
    asked = read_state_serial(link, state);
  } else {
    read_state_udp(link, state);
  }
  // The preview's boxes derive from the record, read or kept.
  mv::recompute_preview(state);
  if (asked) changes.changed(RecordPart::MultiviewerSettings);
}

void poll_status(LinkSession& link, MultiviewerState& state, RecordChanges& changes) {
  UdpExchangeOptions options = code_rule(mv::code::kStatus, mv::kStatusWindowMs);
  options.log_received_length = true;
  options.start_window_after_send = true;
  options.decodable = whole_reply_of(mv::status_reply::kFrameLength, "status");
  options.purpose = "status poll";
  // The lamps the device last confirmed stay on show while the poll waits
  // (the window paints meanwhile); an unanswered poll clears them after.
  WindowStatus polled{};
  bool answered = false;
  if (udp_target_usable(link, "status poll")) {
    const Bytes request = link.build_request(frame::kLinkUdp, mv::code::kStatus);
    if (const auto reply = exchange_udp(link.udp_link(), link.current_device(), request, options)) {
      if (const auto status = mv::read_status_reply(*reply)) {
        polled = *status;
        answered = true;
      }
    }
  }
  state.m_window_status = polled;
  // Cleared lamps of an unanswered poll are not what the device reported.
  if (answered) {
    state.status_origin.confirm();
  } else {
    state.status_origin.forget();
  }
  changes.changed(RecordPart::MultiviewerStatus);
}

}  // namespace vela::multiviewer_exchanges
