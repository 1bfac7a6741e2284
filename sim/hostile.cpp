#include "hostile.h"

#include <arpa/inet.h>

#include <algorithm>

namespace vela::sim {
namespace {

void set_length_field(Bytes& frame, std::size_t length) {
  frame[frame::kLengthOffset] = static_cast<std::uint8_t>(length & 0xFF);
  frame[frame::kLengthOffset + 1] = static_cast<std::uint8_t>((length >> 8) & 0xFF);
}

// A frame header with the request's identity and `code`, `size` bytes long
// with whatever length field, ending AE: it passes the framing and code rules.
Bytes framed_filler(const Frame& request, std::uint8_t code, std::size_t size) {
  Bytes bytes(std::max<std::size_t>(size, frame::kPayloadOffset + 1), 0x5A);
  bytes[0] = frame::kStart0;
  bytes[1] = frame::kStart1;
  set_length_field(bytes, size);
  bytes[frame::kTypeOffset] = request.type();
  bytes[frame::kIdOffset] = request.id();
  bytes[frame::kCodeOffset] = code;
  bytes.back() = frame::kEnd;
  return bytes;
}

Bytes header_only(const Frame& request, std::size_t size) {
  const ByteView whole = request.bytes();
  return Bytes(whole.begin(), whole.begin() + static_cast<long>(std::min(size, whole.size())));
}

// Variations of a whole reply: every one looks like it at first sight.
void add_reply_forgeries(const Bytes& reply, std::vector<Bytes>& out) {
  if (reply.size() < frame::kOverhead) return;
  Bytes lying_long = reply;
  set_length_field(lying_long, frame::kMaxLength);
  out.push_back(lying_long);
  Bytes lying_short = reply;
  set_length_field(lying_short, frame::kOverhead);
  out.push_back(lying_short);
  Bytes bad_sum = reply;
  bad_sum[reply.size() - 3] ^= 0xFF;
  out.push_back(bad_sum);
  // Cut short at several places, the end marker kept, so the framing rule
  // still passes.
  for (const std::size_t keep : {frame::kPayloadOffset + 1, reply.size() / 2, reply.size() - 1}) {
    Bytes cut(reply.begin(), reply.begin() + static_cast<long>(keep));
    cut.back() = frame::kEnd;
    out.push_back(cut);
  }
  // Re-framed with the last payload byte missing: a correct frame, one byte
  // short of what the reader needs.
  const ByteView payload = ByteView(reply).subspan(frame::kPayloadOffset, reply.size() - frame::kOverhead);
  if (!payload.empty()) {
    out.push_back(build_frame(reply[frame::kLinkFlagOffset], reply[frame::kTypeOffset], reply[frame::kIdOffset],
                              reply[frame::kCodeOffset], payload.first(payload.size() - 1)));
  }
  Bytes trailing = reply;
  trailing.insert(trailing.end(), 16, 0xEE);
  trailing.back() = frame::kEnd;
  out.push_back(trailing);
}

// Search answers whose name area has no end, or nothing in it.
void add_name_forgeries(const Frame& request, std::vector<Bytes>& out) {
  const std::uint8_t flag = request.link_flag();
  Bytes endless(1, 0x00);
  endless.insert(endless.end(), frame::kSearchBuffer - frame::kOverhead - 1, 'X');
  out.push_back(build_frame(flag, request.type(), request.id(), code::kSearch, endless));
  out.push_back(build_frame(flag, request.type(), request.id(), code::kSearch));
  const Bytes dashes(40, '-');
  out.push_back(build_frame(flag, request.type(), request.id(), code::kSearch, dashes));
}

}  // namespace

std::vector<Bytes> forged_datagrams(const Frame& request, const std::optional<Bytes>& reply) {
  const std::uint8_t code = request.code();
  std::vector<Bytes> out;
  out.push_back({});
  out.push_back({frame::kStart0});
  out.push_back({frame::kStart0, frame::kStart1, frame::kEnd});
  out.push_back(header_only(request, frame::kCodeOffset));      // one byte before the code
  out.push_back(header_only(request, frame::kCodeOffset + 1));  // the code, nothing after it
  out.push_back(framed_filler(request, code, frame::kPayloadOffset + 1));
  out.push_back(build_frame(request.link_flag(), request.type(), request.id(), code));  // no payload
  out.push_back(framed_filler(request, static_cast<std::uint8_t>(code ^ 0x40), reply ? reply->size() : 64));
  if (reply) add_reply_forgeries(*reply, out);
  if (code == code::kSearch) add_name_forgeries(request, out);
  // Just over each reader's buffer, and the largest there is.
  for (const std::size_t size : {frame::kSearchBuffer + 1, frame::kPageReadBuffer + 1, kLargestDatagram})
    out.push_back(framed_filler(request, code, size));
  return out;
}

std::vector<Bytes> stranger_datagrams(const Frame& request, const std::optional<Bytes>& reply) {
  std::vector<Bytes> out;
  out.push_back(header_only(request, frame::kCodeOffset + 1));
  out.push_back(framed_filler(request, request.code(), frame::kPayloadOffset + 1));
  out.push_back(framed_filler(request, static_cast<std::uint8_t>(request.code() ^ 0x40), 64));
  if (reply && request.code() != code::kSearch) out.push_back(*reply);
  return out;
}

std::vector<Bytes> flood_datagrams(const Frame& request, const std::optional<Bytes>& reply, std::size_t count) {
  std::vector<Bytes> small;
  for (Bytes& datagram : forged_datagrams(request, reply))
    if (datagram.size() <= kFloodDatagramLimit) small.push_back(std::move(datagram));
  std::vector<Bytes> out;
  out.reserve(count);
  for (std::size_t i = 0; i < count; ++i) out.push_back(small[i % small.size()]);
  return out;
}

std::string stranger_address(const std::string& device_addr) {
  in_addr parsed{};
  if (inet_pton(AF_INET, device_addr.c_str(), &parsed) != 1) return device_addr;
  if ((ntohl(parsed.s_addr) >> 24) != 127) return device_addr;
  return device_addr == "127.0.0.1" ? "127.0.0.2" : "127.0.0.1";
}

HostileSender::HostileSender(const std::string& device_addr, std::size_t flood)
    : stranger_(stranger_address(device_addr), 0), flood_(flood) {}

void HostileSender::strike(const Frame& request, const std::optional<Bytes>& reply, const sockaddr_in& to,
                           const std::function<void(const Bytes&)>& send_own) {
  for (const Bytes& datagram : forged_datagrams(request, reply)) send_own(datagram);
  for (const Bytes& datagram : stranger_datagrams(request, reply)) stranger_.send_to(to, datagram);
  for (const Bytes& datagram : flood_datagrams(request, reply, flood_)) send_own(datagram);
}

}  // namespace vela::sim
