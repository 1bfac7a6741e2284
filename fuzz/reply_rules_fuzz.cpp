// The rules the UDP exchange applies to any datagram before a decoder sees
// it, and the frame builder they are the mirror of: a frame built around any
// payload passes both rules and carries its own length and checksum.
#include "fuzz_support.h"
#include "udp_exchange.h"

using namespace vela;

VELA_FUZZ_QUIET_INIT

namespace {

// Only the sanitizers judge here: every rule reads within the datagram.
void apply_rules(const Bytes& datagram, std::uint8_t code) {
  UdpExchangeOptions options;
  options.code = code;
  for (const ReplyRule rule : {ReplyRule::Code, ReplyRule::Framing}) {
    options.rule = rule;
    (void)passes_reply_rule(datagram, options);
  }
  (void)frame_length_field(datagram);
}

void check_built_frame(std::uint8_t link_flag, std::uint8_t type, std::uint8_t id, std::uint8_t code,
                       ByteView payload) {
  const Bytes built = fuzz::exact_copy(build_frame(link_flag, type, id, code, payload));
  fuzz::check(built.size() == payload.size() + frame::kOverhead, "a built frame of the wrong size");
  fuzz::check(frame_length_field(built) == built.size(), "a built frame with a wrong length field");
  fuzz::check(passes_framing_rule(built) && passes_code_rule(built, code), "a built frame fails a reply rule");
  const std::uint16_t sum = checksum16(ByteView(built).first(built.size() - 3));
  fuzz::check(built[built.size() - 3] == (sum & 0xFF) && built[built.size() - 2] == (sum >> 8),
              "a built frame with a wrong checksum");
  fuzz::check(
      built[frame::kTypeOffset] == type && built[frame::kIdOffset] == id && built[frame::kLinkFlagOffset] == link_flag,
      "a built frame with the wrong address");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes datagram = fuzz::exact_copy(ByteView(data, size));
  fuzz::PieceReader input(datagram);
  const std::uint8_t code = input.byte();
  apply_rules(datagram, code);
  const std::uint8_t link_flag = input.byte();
  const std::uint8_t type = input.byte();
  const std::uint8_t id = input.byte();
  const Bytes payload = input.rest();
  check_built_frame(link_flag, type, id, code, payload);
  return 0;
}
