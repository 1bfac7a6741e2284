#pragma once
// A non-blocking UDP socket bound at one IPv4 address and port.
#include <netinet/in.h>

#include <cstdint>
#include <optional>
#include <string>

#include "frame.h"
#include "unique_fd.h"

namespace vela::sim {

struct Datagram {
  Bytes bytes;
  sockaddr_in from{};
};

// "a.b.c.d:port"
std::string endpoint_text(const sockaddr_in& address);

class UdpEndpoint {
 public:
  // Throws SetupError when the socket cannot be bound.
  UdpEndpoint(const std::string& addr, std::uint16_t port);

  int fd() const { return fd_.get(); }
  const std::string& local_text() const { return local_text_; }

  // One waiting datagram, or nothing when none is waiting.
  std::optional<Datagram> receive();
  // Reports a failure on stderr and returns false.
  bool send_to(const sockaddr_in& to, ByteView bytes);

 private:
  UniqueFd fd_;
  std::string local_text_;
};

}  // namespace vela::sim
