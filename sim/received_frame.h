#pragma once
// A whole command frame received by a simulated device, with its fields.
#include <cstdint>
#include <optional>

#include "frame.h"

namespace vela::sim {

// A5 6C, a frame length of at least 20 that equals bytes.size(), and AE last.
bool is_whole_frame(ByteView bytes);

class Frame {
 public:
  // The bytes must be one whole frame (is_whole_frame).
  explicit Frame(Bytes bytes) : bytes_(std::move(bytes)) {}
  static std::optional<Frame> from_bytes(ByteView bytes);

  ByteView bytes() const { return bytes_; }
  std::uint8_t type() const { return bytes_[frame::kTypeOffset]; }
  std::uint8_t id() const { return bytes_[frame::kIdOffset]; }
  std::uint8_t link_flag() const { return bytes_[frame::kLinkFlagOffset]; }
  std::uint8_t code() const { return bytes_[frame::kCodeOffset]; }
  ByteView payload() const { return ByteView(bytes_).subspan(frame::kPayloadOffset, bytes_.size() - frame::kOverhead); }

 private:
  Bytes bytes_;
};

}  // namespace vela::sim
