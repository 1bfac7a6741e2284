#include "udp_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "socket_address.h"

namespace vela::test {

UdpPeer::UdpPeer(const std::string& addr, std::uint16_t port) : addr_(addr) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd_ < 0) throw std::runtime_error("socket() failed");
  sockaddr_in local = make_address(addr, port);
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
    ::close(fd_);
    throw std::runtime_error("cannot bind test socket at " + addr + ":" + std::to_string(port));
  }
  socklen_t length = sizeof local;
  ::getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &length);
  port_ = ntohs(local.sin_port);
}

UdpPeer::~UdpPeer() { ::close(fd_); }

void UdpPeer::send_to(const std::string& addr, std::uint16_t port, ByteView bytes) {
  const sockaddr_in to = make_address(addr, port);
  const ssize_t sent = ::sendto(fd_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
  if (sent != static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("sendto " + addr + ":" + std::to_string(port) + " failed");
}

std::optional<ReceivedDatagram> UdpPeer::receive(std::chrono::milliseconds timeout) {
  pollfd p{fd_, POLLIN, 0};
  if (::poll(&p, 1, static_cast<int>(std::max<long>(timeout.count(), 0))) <= 0) return std::nullopt;
  ReceivedDatagram d;
  d.bytes.resize(65536);
  sockaddr_in from{};
  socklen_t length = sizeof from;
  const ssize_t got = ::recvfrom(fd_, d.bytes.data(), d.bytes.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
  if (got < 0) return std::nullopt;
  d.at = std::chrono::steady_clock::now();
  d.bytes.resize(static_cast<std::size_t>(got));
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
  d.addr = text;
  d.port = ntohs(from.sin_port);
  return d;
}

std::vector<ReceivedDatagram> UdpPeer::collect(std::size_t count, std::chrono::milliseconds deadline,
                                               std::chrono::milliseconds settle) {
  using Clock = std::chrono::steady_clock;
  std::vector<ReceivedDatagram> out;
  auto end = Clock::now() + deadline;
  bool settling = false;
  while (true) {
    if (!settling && out.size() >= count) {
      settling = true;
      end = Clock::now() + settle;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    if (left.count() <= 0) return out;
    if (std::optional<ReceivedDatagram> d = receive(left)) out.push_back(std::move(*d));
  }
}

}  // namespace vela::test
