#include "received_frame.h"

namespace vela::sim {

bool is_whole_frame(ByteView bytes) {
  return bytes.size() >= frame::kOverhead && bytes[0] == frame::kStart0 && bytes[1] == frame::kStart1 &&
         frame_length_field(bytes) == bytes.size() && bytes.back() == frame::kEnd;
}

std::optional<Frame> Frame::from_bytes(ByteView bytes) {
  if (!is_whole_frame(bytes)) return std::nullopt;
  return Frame(Bytes(bytes.begin(), bytes.end()));
}

}  // namespace vela::sim
