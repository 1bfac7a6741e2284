#include "trace.h"

#include <arpa/inet.h>

#include <algorithm>
#include <chrono>

namespace vela {
namespace {

std::int64_t wall_clock_us() {
  using namespace std::chrono;
  return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

bool over_serial(ReplyWindowKind kind) {
  return kind == ReplyWindowKind::SerialSearch || kind == ReplyWindowKind::SerialReply;
}

}  // namespace

std::optional<TraceHeader> TraceRecord::header() const {
  if (direction == TraceDirection::NoReply) return asked;
  if (bytes.size() <= frame::kCodeOffset || bytes[0] != frame::kStart0 || bytes[1] != frame::kStart1) {
    return std::nullopt;
  }
  return TraceHeader{bytes[frame::kTypeOffset], bytes[frame::kIdOffset], bytes[frame::kCodeOffset]};
}

ProtocolTrace::ProtocolTrace(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 1)) {}

TraceRecord& ProtocolTrace::claim_slot(TraceDirection direction, TraceCarrier carrier) {
  TraceRecord& slot = ring_[next_ % ring_.size()];
  slot.sequence = next_++;
  slot.time_us = wall_clock_us();
  slot.direction = direction;
  slot.carrier = carrier;
  slot.ipv4 = 0;
  slot.port = 0;
  slot.serial_port.clear();
  slot.bytes.clear();
  slot.purpose = "";
  slot.asked = {};
  slot.window_ms = 0;
  return slot;
}

void ProtocolTrace::record_udp(TraceDirection direction, const sockaddr_in& peer, ByteView bytes) {
  const std::lock_guard lock(mutex_);
  TraceRecord& slot = claim_slot(direction, TraceCarrier::Udp);
  slot.ipv4 = ntohl(peer.sin_addr.s_addr);
  slot.port = ntohs(peer.sin_port);
  slot.bytes.assign(bytes.begin(), bytes.end());
}

void ProtocolTrace::record_serial(TraceDirection direction, const std::string& port, ByteView bytes) {
  const std::lock_guard lock(mutex_);
  TraceRecord& slot = claim_slot(direction, TraceCarrier::Serial);
  slot.serial_port.assign(port);
  slot.bytes.assign(bytes.begin(), bytes.end());
}

void ProtocolTrace::record_no_reply(const ReplyWindow& window) {
  in_addr address{};
  const bool has_address = inet_pton(AF_INET, window.device.address_text().c_str(), &address) == 1;
  const std::lock_guard lock(mutex_);
  TraceRecord& slot =
      claim_slot(TraceDirection::NoReply, over_serial(window.kind) ? TraceCarrier::Serial : TraceCarrier::Udp);
  if (has_address) slot.ipv4 = ntohl(address.s_addr);
  slot.purpose = window.purpose;
  slot.asked = {window.device.type, window.device.id, window.code};
  slot.window_ms = window.window_ms;
}

std::size_t ProtocolTrace::held_bytes() const {
  const std::lock_guard lock(mutex_);
  std::size_t held = 0;
  for (const TraceRecord& slot : ring_) held += slot.bytes.capacity() + slot.serial_port.capacity();
  return held;
}

std::vector<TraceRecord> ProtocolTrace::since(std::uint64_t from) const {
  const std::lock_guard lock(mutex_);
  const std::uint64_t oldest = next_ > ring_.size() ? next_ - ring_.size() : 0;
  std::vector<TraceRecord> records;
  for (std::uint64_t n = std::max(from, oldest); n < next_; ++n) records.push_back(ring_[n % ring_.size()]);
  return records;
}

std::uint64_t ProtocolTrace::next_sequence() const {
  const std::lock_guard lock(mutex_);
  return next_;
}

ProtocolTrace& protocol_trace() {
  static ProtocolTrace trace;
  return trace;
}

}  // namespace vela
