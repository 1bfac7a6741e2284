// The RK2207's state reply as its page takes it: decoded into the record,
// then the show mode and picture-in-picture rule applied to the preview. A
// reply rebuilt from what was read reads back the same.
#include "device_types.h"
#include "fuzz_support.h"
#include "rk2207_protocol.h"
#include "rk2207_show_modes.h"

using namespace vela;
namespace rk = vela::rk2207;

VELA_FUZZ_QUIET_INIT

namespace {

void check_round_trip(const rk::StateReply& reply) {
  const Bytes rebuilt = fuzz::exact_copy(
      build_frame(frame::kLinkUdp, device_type::kRk2207, 1, rk::code::kState, rk::state_reply_payload(reply)));
  const auto again = rk::read_state_reply(rebuilt);
  fuzz::check(again.has_value(), "a rebuilt state reply is refused");
  // The builder sends at most 16 text bytes, so one more ending zero fits.
  fuzz::check(again->text == reply.text.substr(0, rk::state_reply::kTextBytes - 1) &&
                  again->reply_byte == reply.reply_byte && again->output_format == reply.output_format &&
                  again->show_mode == reply.show_mode && again->labels == reply.labels &&
                  again->pip_child_ch == reply.pip_child_ch && again->loop_state == reply.loop_state,
              "a rebuilt state reply reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes datagram = fuzz::exact_copy(ByteView(data, size));
  const auto reply = rk::read_state_reply(datagram);
  fuzz::check(reply.has_value() == (size >= rk::state_reply::kFrameLength), "a reply taken or refused by its size");
  Rk2207State record;
  const auto show_mode = rk::decode_state_reply(datagram, record);
  fuzz::check(show_mode.has_value() == reply.has_value(), "decoder and reader disagree on the same bytes");
  if (!reply) return 0;
  fuzz::check(reply->text.size() <= rk::state_reply::kTextBytes, "a text longer than its area");
  for (const auto& label : reply->labels) {
    fuzz::check(label.size() <= rk::state_reply::kLabelTextBytes, "a label longer than its record");
  }
  rk::apply_pip_rule(record, *show_mode);
  (void)rk::show_mode_slots(*show_mode);
  (void)rk::show_mode_name(*show_mode);
  (void)lm5530::show_mode_slots(*show_mode);
  check_round_trip(*reply);
  return 0;
}
