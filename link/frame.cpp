#include "frame.h"

namespace vela {

std::uint16_t checksum16(ByteView bytes) {
  std::uint16_t sum = 0;
  for (std::uint8_t b : bytes) sum = static_cast<std::uint16_t>(sum + b);
  return sum;
}

Bytes build_frame(std::uint8_t link_flag, std::uint8_t device_type, std::uint8_t device_id, std::uint8_t command_code,
                  ByteView payload) {
  const std::size_t n = payload.size() + frame::kOverhead;
  if (n > frame::kMaxLength) return {};
  Bytes out(n, 0);
  out[0] = frame::kStart0;
  out[1] = frame::kStart1;
  out[2] = static_cast<std::uint8_t>(n & 0xFF);
  out[3] = static_cast<std::uint8_t>(n >> 8);
  out[frame::kTypeOffset] = device_type;
  out[frame::kIdOffset] = device_id;
  out[frame::kLinkFlagOffset] = link_flag;
  out[frame::kGroupOffset] = 0x00;
  out[frame::kCodeOffset] = command_code;
  for (std::size_t i = 0; i < payload.size(); ++i) out[frame::kPayloadOffset + i] = payload[i];
  const std::uint16_t sum = checksum16(ByteView(out.data(), n - 3));
  out[n - 3] = static_cast<std::uint8_t>(sum & 0xFF);
  out[n - 2] = static_cast<std::uint8_t>(sum >> 8);
  out[n - 1] = frame::kEnd;
  return out;
}

Bytes build_search_request(std::uint8_t link_flag) {
  return build_frame(link_flag, frame::kSearchType, frame::kSearchId, code::kSearch);
}

bool passes_code_rule(ByteView datagram, std::uint8_t expected_code) {
  return datagram.size() > frame::kCodeOffset && datagram[frame::kCodeOffset] == expected_code;
}

bool passes_framing_rule(ByteView datagram) {
  return datagram.size() >= 3 && datagram[0] == frame::kStart0 && datagram[1] == frame::kStart1 &&
         datagram.back() == frame::kEnd;
}

std::uint16_t frame_length_field(ByteView frame) {
  if (frame.size() < 4) return 0;
  return static_cast<std::uint16_t>(frame[2] | (frame[3] << 8));
}

}  // namespace vela
