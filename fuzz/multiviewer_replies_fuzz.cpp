// The multiviewer's two replies as the panel takes them: the state reply
// into the record (then the preview the page draws from it) and the status
// reply; a reply rebuilt from what was read reads back the same.
#include "device_types.h"
#include "fuzz_support.h"
#include "multiviewer_preview.h"
#include "multiviewer_protocol.h"

using namespace vela;
namespace mv = vela::multiviewer;

VELA_FUZZ_QUIET_INIT

namespace {

Bytes rebuilt_frame(std::uint8_t code, const Bytes& payload) {
  return fuzz::exact_copy(build_frame(frame::kLinkUdp, device_type::kMultiviewer16, 1, code, payload));
}

bool same_fields(const mv::StateReplyFields& a, const mv::StateReplyFields& b) {
  return rebuilt_frame(mv::code::kState, mv::state_reply_payload(a)) ==
         rebuilt_frame(mv::code::kState, mv::state_reply_payload(b));
}

void check_state_reply(const Bytes& datagram) {
  MultiviewerState state;
  state.reset_labels();
  const MultiviewerState before = state;
  const bool decoded = mv::decode_state_reply(datagram, state, mv::DecodeStatus::Take, mv::DecodeDiagnostics::On);
  const auto fields = mv::read_state_reply(datagram);
  fuzz::check(decoded == fields.has_value(), "decoder and reader disagree on the same bytes");
  fuzz::check(decoded == (datagram.size() >= mv::state_reply::kFrameLength), "a reply taken or refused by its size");
  if (!decoded) {
    fuzz::check(state.m_window_label == before.m_window_label && state.m_window_source == before.m_window_source &&
                    state.m_layout_window_count == before.m_layout_window_count,
                "a refused reply changed the record");
    return;
  }
  for (const auto& label : state.m_window_label) {
    fuzz::check(label.size() <= mv::state_reply::kLabelTextBytes / 2, "a label longer than its slot");
  }
  mv::recompute_preview(state);

  const Bytes again = rebuilt_frame(mv::code::kState, mv::state_reply_payload(*fields));
  const auto reread = mv::read_state_reply(again);
  fuzz::check(reread && same_fields(*reread, *fields), "a rebuilt state reply reads back differently");
}

void check_status_reply(const Bytes& datagram) {
  const auto status = mv::read_status_reply(datagram);
  fuzz::check(status.has_value() == (datagram.size() >= mv::status_reply::kFrameLength),
              "a status reply taken or refused by its size");
  if (!status) return;
  const auto reread = mv::read_status_reply(rebuilt_frame(mv::code::kStatus, mv::status_reply_payload(*status)));
  fuzz::check(reread && *reread == *status, "a rebuilt status reply reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes datagram = fuzz::exact_copy(ByteView(data, size));
  check_state_reply(datagram);
  check_status_reply(datagram);
  return 0;
}
