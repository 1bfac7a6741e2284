#pragma once
// A test's own UDP socket on loopback: sends to a peer and collects what
// comes back, with the sender of each datagram and when it arrived.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame.h"

namespace vela::test {

struct ReceivedDatagram {
  Bytes bytes;
  std::string addr;
  std::uint16_t port = 0;
  std::chrono::steady_clock::time_point at;
};

class UdpPeer {
 public:
  // Port 0: any free port. Throws std::runtime_error.
  explicit UdpPeer(const std::string& addr = "127.0.0.1", std::uint16_t port = 0);
  ~UdpPeer();
  UdpPeer(const UdpPeer&) = delete;
  UdpPeer& operator=(const UdpPeer&) = delete;

  std::uint16_t port() const { return port_; }
  const std::string& addr() const { return addr_; }

  void send_to(const std::string& addr, std::uint16_t port, ByteView bytes);
  // The next datagram, or nothing when none arrives within the timeout.
  std::optional<ReceivedDatagram> receive(std::chrono::milliseconds timeout);
  // Receives until `count` datagrams arrived (or the deadline passed), then
  // goes on listening for `settle` to catch any extra ones.
  std::vector<ReceivedDatagram> collect(std::size_t count, std::chrono::milliseconds deadline,
                                        std::chrono::milliseconds settle);

 private:
  int fd_ = -1;
  std::string addr_;
  std::uint16_t port_ = 0;
};

}  // namespace vela::test
