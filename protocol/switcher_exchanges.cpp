#include "switcher_exchanges.h"

#include <chrono>
#include <thread>

#include "diagnostics.h"
#include "link_session.h"
#include "record_changes.h"
#include "switcher_protocol.h"
#include "udp_exchange.h"

namespace vela::switcher_exchanges {
namespace {

namespace camera_name = switcher::camera_name;

UdpExchangeOptions camera_name_exchange() {
  UdpExchangeOptions options;
  options.rule = ReplyRule::Code;
  options.code = switcher::code::kCameraName;
  options.window_ms = camera_name::kWindowMs;
  options.buffer_size = camera_name::kReceiveBuffer;
  options.pause_after_send = false;
  options.prepare_socket = false;
  options.close_after = false;
  options.drain_before_send = true;
  options.purpose = "camera name";
  options.decodable = [](ByteView datagram) {
    if (switcher::read_camera_name_ack(datagram)) return true;
    diag("the cmd is not right \n");
    return false;
  };
  return options;
}

}  // namespace

void send(LinkSession& link, std::uint8_t command_code, ByteView payload) {
  link.udp_link().send(link.build_request(frame::kLinkUdp, command_code, payload));
  std::this_thread::sleep_for(std::chrono::milliseconds(kCommandPauseMs));
}

switcher_bus::Outcome press(LinkSession& link, SwitcherState& state, RecordChanges& changes,
                            switcher_bus::Press press, std::uint8_t source) {
  switcher_bus::Outcome outcome = switcher_bus::press(state, press, source);
  if (outcome.refused) return outcome;
  for (const std::string& note : outcome.notes_before) diag("%s", note.c_str());
  send(link, outcome.command.code, outcome.command.payload);
  for (const std::string& note : outcome.notes_after) diag("%s", note.c_str());
  changes.changed(RecordPart::Switcher);
  return outcome;
}

void swap_program_preview(SwitcherState& state, RecordChanges& changes) {
  diag("%s", switcher_bus::kSwapNote);
  switcher_bus::swap_program_preview(state);
  changes.changed(RecordPart::Switcher);
}

void send_camera_name(LinkSession& link, const CameraNames& names, int camera_index) {
  if (camera_index < 0 || camera_index >= kCameraNameCount) return;
  const Bytes request = link.build_request(frame::kLinkUdp, switcher::code::kCameraName,
                                           switcher::camera_name_payload(camera_index, names[camera_index]));
  const auto reply = exchange_udp(link.udp_link(), link.current_device(), request, camera_name_exchange());
  if (reply) {
    const bool accepted = switcher::read_camera_name_ack(*reply) == switcher::CameraNameAnswer::Accepted;
    diag(accepted ? "send ok \n" : "send error \n");
  }
  diag("read over \n");
}

}  // namespace vela::switcher_exchanges
