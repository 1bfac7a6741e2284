// Writes the seed corpora of the fuzz targets: real frames, built by the
// protocol modules and answered by the simulated devices, in the input form
// of each target. Usage: make_fuzz_corpus DIR (one folder per target).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "device_factory.h"
#include "device_types.h"
#include "fuzz_support.h"
#include "matrix_protocol.h"
#include "multiviewer_protocol.h"
#include "rk2207_protocol.h"
#include "switcher_protocol.h"

using namespace vela;
using fuzz::PieceWriter;
namespace mv = vela::multiviewer;
namespace mx = vela::matrix;
namespace rk = vela::rk2207;
namespace sw = vela::switcher;

namespace {

std::filesystem::path g_root;

void write_seed(const std::string& target, const std::string& name, ByteView bytes) {
  const auto folder = g_root / target;
  std::filesystem::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

ByteView text_bytes(const std::string& text) {
  return ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

// What a simulated device of `type` answers to a request from the panel.
Bytes answer(std::uint8_t type, std::uint8_t link_flag, std::uint8_t code, ByteView payload = {},
             const std::string& extra = {}) {
  sim::DeviceConfig config;
  config.type = type;
  config.id = 3;
  config.name = "Studio" + extra;
  auto device = sim::make_device(config);
  const auto request = sim::Frame::from_bytes(build_frame(link_flag, type, 3, code, payload));
  return device->handle(*request).reply.value_or(Bytes{});
}

Bytes joined(ByteView a, ByteView b) {
  Bytes out(a.begin(), a.end());
  out.insert(out.end(), b.begin(), b.end());
  return out;
}

// Requests the panel sends, one per family and command form.
std::vector<Bytes> panel_requests(std::uint8_t link_flag) {
  const auto frame_of = [link_flag](std::uint8_t type, std::uint8_t code, ByteView payload) {
    return build_frame(link_flag, type, 3, code, payload);
  };
  return {
      build_search_request(link_flag),
      frame_of(device_type::kMultiviewer16, mv::code::kState, {}),
      frame_of(device_type::kMultiviewer16, mv::code::kLayout, mv::layout_payload(9)),
      frame_of(device_type::kMultiviewer16, mv::code::kWindowSource, mv::window_source_payload(4, 2)),
      frame_of(device_type::kMultiviewer16, mv::code::kLabelText, mv::label_text_payload(5, u"CAM \u00e9")),
      frame_of(device_type::kMultiviewer10, mv::code::kLabelTextColour, mv::colour_payload(1, 6)),
      frame_of(device_type::kMultiviewer16, mv::code::kSetAddress,
               mv::set_address_payload({127, 0, 0, 9}, {255, 0, 0, 0}, {127, 0, 0, 1})),
      frame_of(device_type::kMatrix, mx::code::kLockSet, mx::lock_payload(1)),
      frame_of(device_type::kMatrix, mx::code::kLockQuery, {}),
      frame_of(device_type::kRk2207, rk::code::kState, {}),
      frame_of(device_type::kRk2207, rk::code::kShowMode, rk::show_mode_payload(7)),
      frame_of(device_type::kLm5530, rk::code::kShowMode, rk::show_mode_payload(11)),
      frame_of(device_type::kSwitcher, sw::code::kTransitionPosition, sw::byte_u16_payload(1, 64)),
      frame_of(device_type::kSwitcher, sw::code::kCameraName, sw::camera_name_payload(2, u"Bühne")),
  };
}

void scanner_seeds() {
  const Bytes search = answer(0xA1, frame::kLinkSerial, code::kSearch);
  const Bytes state = answer(device_type::kMultiviewer16, frame::kLinkSerial, mv::code::kState);
  write_seed("reply_scanner", "search_reply", PieceWriter{}.byte(0).piece(search).bytes);
  write_seed("reply_scanner", "search_reply_in_three_reads",
             PieceWriter{}
                 .byte(0)
                 .piece(ByteView(search).first(3))
                 .piece(ByteView(search).subspan(3, 14))
                 .piece(ByteView(search).subspan(17))
                 .bytes);
  write_seed("reply_scanner", "state_reply_in_two_reads",
             PieceWriter{}
                 .byte(device_type::kMultiviewer16)
                 .piece(ByteView(state).first(400))
                 .piece(ByteView(state).subspan(400))
                 .bytes);
  const Bytes noise{0xA5, 0x6C, 0x02, 0x00, 0x41, 0xA5, 0x13};
  write_seed("reply_scanner", "noise_then_state_reply",
             PieceWriter{}.byte(device_type::kMultiviewer16).piece(joined(noise, state)).bytes);
  write_seed("reply_scanner", "search_request_echo_then_reply",
             PieceWriter{}.byte(0).piece(build_search_request(frame::kLinkSerial)).piece(search).bytes);
}

void search_name_seeds() {
  write_seed("search_names", "one_name", answer(0xA1, frame::kLinkUdp, code::kSearch));
  write_seed("search_names", "empty_name", answer(0x60, frame::kLinkUdp, code::kSearch, {}, "-"));
  Bytes payload{0x00};
  for (const char c : std::string("Cam-A-Cam-B-1-")) payload.push_back(static_cast<std::uint8_t>(c));
  write_seed("search_names", "nested_names", build_frame(frame::kLinkUdp, 0xA5, 2, code::kSearch, payload));
}

void reassembler_seeds() {
  PieceWriter mixed;
  for (const Bytes& request : panel_requests(frame::kLinkSerial)) mixed.piece(request);
  mixed.piece(text_bytes(mx::route_text(3, MatrixRoutes{3, 1, 3, 0, 0, 3, 0, 0})));
  mixed.piece(text_bytes(mx::one_to_all_text(2) + mx::kOneToOneText));
  write_seed("serial_reassembler", "requests_and_texts", mixed.bytes);
  const Bytes state = build_frame(frame::kLinkSerial, 0xA1, 3, mv::code::kLayout, mv::layout_payload(4));
  write_seed("serial_reassembler", "frame_split_in_the_length",
             PieceWriter{}.piece(ByteView(state).first(3)).piece(ByteView(state).subspan(3)).bytes);
  write_seed("serial_reassembler", "text_without_end", PieceWriter{}.piece(text_bytes("4V1,2")).bytes);
}

void multiviewer_seeds() {
  write_seed("multiviewer_replies", "state_reply_16",
             answer(device_type::kMultiviewer16, frame::kLinkUdp, mv::code::kState));
  write_seed("multiviewer_replies", "state_reply_10",
             answer(device_type::kMultiviewer10, frame::kLinkUdp, mv::code::kState));
  write_seed("multiviewer_replies", "status_reply",
             answer(device_type::kMultiviewer16, frame::kLinkUdp, mv::code::kStatus));
}

void matrix_seeds() {
  write_seed("matrix_messages", "lock_reply", answer(device_type::kMatrix, frame::kLinkUdp, mx::code::kLockQuery));
  write_seed("matrix_messages", "lock_query_echo",
             build_frame(frame::kLinkUdp, device_type::kMatrix, 3, mx::code::kLockQuery, {}));
  write_seed("matrix_messages", "route_text", text_bytes(mx::route_text(5, MatrixRoutes{5, 5, 0, 0, 0, 0, 0, 5})));
  write_seed("matrix_messages", "one_to_all", text_bytes(mx::one_to_all_text(8)));
  write_seed("matrix_messages", "one_to_one", text_bytes(mx::kOneToOneText));
}

void rk2207_seeds() {
  write_seed("rk2207_state_reply", "state_reply", answer(device_type::kRk2207, frame::kLinkUdp, rk::code::kState));
  rk::StateReply reply;
  reply.show_mode = 16;
  reply.text = "RK2207 studio";
  reply.labels = {"CAM 1", "A long window label of 32 bytes!", "", "Desk"};
  reply.pip_child_ch = {1, 1};
  write_seed("rk2207_state_reply", "built_reply",
             build_frame(frame::kLinkUdp, device_type::kRk2207, 3, rk::code::kState, rk::state_reply_payload(reply)));
}

void camera_name_seeds() {
  const Bytes name = sw::camera_name_payload(10, u"MP\u00e9 1");
  write_seed("camera_name", "accepted", answer(device_type::kSwitcher, frame::kLinkUdp, sw::code::kCameraName, name));
  write_seed(
      "camera_name", "refused",
      build_frame(frame::kLinkUdp, device_type::kSwitcher, 3, sw::code::kCameraName, Bytes{sw::camera_name::kRefused}));
  write_seed("camera_name", "name_payload", name);
  write_seed("camera_name", "label_payload", mv::label_text_payload(15, u"Ten units!"));
}

void reply_rule_seeds() {
  write_seed("reply_rules", "search_request", build_search_request(frame::kLinkUdp));
  write_seed("reply_rules", "status_reply", answer(device_type::kMultiviewer16, frame::kLinkUdp, mv::code::kStatus));
}

void devsim_seeds() {
  PieceWriter serial, datagrams;
  serial.byte(0);
  datagrams.byte(1);
  for (const Bytes& request : panel_requests(frame::kLinkSerial)) serial.piece(request);
  for (const Bytes& request : panel_requests(frame::kLinkUdp)) datagrams.piece(request);
  serial.piece(text_bytes(mx::route_text(2, MatrixRoutes{2, 0, 2, 0, 0, 0, 0, 0})));
  datagrams.piece(text_bytes(mx::one_to_all_text(4)));
  write_seed("devsim_requests", "serial_requests", serial.bytes);
  write_seed("devsim_requests", "udp_requests", datagrams.bytes);
  PieceWriter built;
  built.byte(2);
  for (std::uint8_t code = sw::code::kProgramSelect; code <= sw::code::kCameraName; ++code) {
    const sw::CommandInfo* info = sw::command_info(code);
    if (!info) continue;
    built.byte(1).byte(code).piece(Bytes(info->payload_length, 1));
  }
  write_seed("devsim_requests", "switcher_commands", built.bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_corpus DIR\n");
    return 2;
  }
  fuzz::quiet_diagnostics();
  g_root = argv[1];
  scanner_seeds();
  search_name_seeds();
  reassembler_seeds();
  multiviewer_seeds();
  matrix_seeds();
  rk2207_seeds();
  camera_name_seeds();
  reply_rule_seeds();
  devsim_seeds();
  return 0;
}
