#pragma once
// A hostile device: before each answer it sends forged and malformed
// datagrams (cut short, oversized, wrong codes, lying length fields, whole
// frames from another address) and a flood of small ones, so that the
// panel's readers meet everything a stranger on the network could send.
#include <netinet/in.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "frame.h"
#include "received_frame.h"
#include "udp_endpoint.h"

namespace vela::sim {

// Datagrams this large or smaller make up the flood.
inline constexpr std::size_t kFloodDatagramLimit = 64;
// The largest datagram a UDP socket over IPv4 can send.
inline constexpr std::size_t kLargestDatagram = 65507;

// What the device itself sends first, shaped by the request (type, id, code)
// and by the real reply when it has one. The search gets name areas that
// never end.
std::vector<Bytes> forged_datagrams(const Frame& request, const std::optional<Bytes>& reply);

// What a stranger at another address sends: malformed frames and, except
// for the search, a copy of the real reply.
std::vector<Bytes> stranger_datagrams(const Frame& request, const std::optional<Bytes>& reply);

// `count` datagrams cycling through the small forged ones.
std::vector<Bytes> flood_datagrams(const Frame& request, const std::optional<Bytes>& reply, std::size_t count);

// The address a stranger sends from: another loopback address for a device
// on loopback, otherwise the device's own address (at another port).
std::string stranger_address(const std::string& device_addr);

class HostileSender {
 public:
  // Throws SetupError when the stranger's socket cannot be bound.
  HostileSender(const std::string& device_addr, std::size_t flood);

  // Sends the forged datagrams through `send_own` (the device's socket), the
  // stranger's from its own socket, then the flood through `send_own`.
  void strike(const Frame& request, const std::optional<Bytes>& reply, const sockaddr_in& to,
              const std::function<void(const Bytes&)>& send_own);

 private:
  UdpEndpoint stranger_;
  std::size_t flood_;
};

}  // namespace vela::sim
