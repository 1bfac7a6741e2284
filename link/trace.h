#pragma once
// The protocol trace: every frame or text the link sends and every datagram
// or serial chunk it receives (when, which way, over what, with whom, the raw
// bytes), and each reply window that ended with nothing accepted. One bounded
// ring for the whole process, written from any thread; nothing is formatted
// while recording, only when someone shows or saves the records.
#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "frame.h"
#include "reply_window_types.h"

namespace vela {

enum class TraceDirection : std::uint8_t { Sent, Received, NoReply };
enum class TraceCarrier : std::uint8_t { Udp, Serial };

// Whom a frame addresses and what it asks, as its header says.
struct TraceHeader {
  std::uint8_t device_type = 0;
  std::uint8_t device_id = 0;
  std::uint8_t code = 0;
};

struct TraceRecord {
  std::uint64_t sequence = 0;  // the process's first record is 0
  std::int64_t time_us = 0;    // wall clock, microseconds since the epoch
  TraceDirection direction = TraceDirection::Sent;
  TraceCarrier carrier = TraceCarrier::Udp;
  // UDP: the other end (destination or source), host byte order; a window
  // with no reply has the device's address and no port.
  std::uint32_t ipv4 = 0;
  std::uint16_t port = 0;
  std::string serial_port;  // serial: the port's name, when known
  Bytes bytes;              // as sent or received; empty for NoReply
  // NoReply: what the window waited for and whom it asked.
  const char* purpose = "";
  TraceHeader asked{};
  int window_ms = 0;

  // Sent and received bytes that start a frame name their device and code;
  // a window with no reply names those of its request.
  std::optional<TraceHeader> header() const;
};

class ProtocolTrace {
 public:
  static constexpr std::size_t kDefaultCapacity = 8192;

  explicit ProtocolTrace(std::size_t capacity = kDefaultCapacity);
  ProtocolTrace(const ProtocolTrace&) = delete;
  ProtocolTrace& operator=(const ProtocolTrace&) = delete;

  void record_udp(TraceDirection direction, const sockaddr_in& peer, ByteView bytes);
  void record_serial(TraceDirection direction, const std::string& port, ByteView bytes);
  // Window purposes are string literals, kept by pointer.
  void record_no_reply(const ReplyWindow& window);

  // The records numbered `from` and later that the ring still holds, oldest
  // first. A reader that fell more than a ring behind sees the gap in the
  // sequence numbers.
  std::vector<TraceRecord> since(std::uint64_t from) const;
  // The number the next record will get.
  std::uint64_t next_sequence() const;
  std::size_t capacity() const { return ring_.size(); }
  // Bytes the slots' buffers hold. Slots keep their buffers, so this grows
  // towards the ring's size times the largest frames seen, then stays.
  std::size_t held_bytes() const;

 private:
  // Slots keep their buffers, so a full ring records without allocating.
  TraceRecord& claim_slot(TraceDirection direction, TraceCarrier carrier);

  mutable std::mutex mutex_;
  std::vector<TraceRecord> ring_;
  std::uint64_t next_ = 0;
};

// The trace the link records into.
ProtocolTrace& protocol_trace();

}  // namespace vela
