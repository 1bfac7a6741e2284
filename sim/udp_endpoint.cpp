#include "udp_endpoint.h"

#include <arpa/inet.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "errors.h"
#include "udp_link.h"

namespace vela::sim {

std::string endpoint_text(const sockaddr_in& address) {
  return address_text(address) + ":" + std::to_string(ntohs(address.sin_port));
}

UdpEndpoint::UdpEndpoint(const std::string& addr, std::uint16_t port) {
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  if (inet_pton(AF_INET, addr.c_str(), &local.sin_addr) != 1) throw SetupError("not an IPv4 address: " + addr);
  local_text_ = endpoint_text(local);

  fd_ = UniqueFd(::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!fd_.valid()) throw SetupError(std::string("socket: ") + std::strerror(errno));
  if (::bind(fd_.get(), reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
    throw SetupError("cannot bind " + local_text_ + ": " + std::strerror(errno));
}

std::optional<Datagram> UdpEndpoint::receive() {
  Datagram datagram;
  datagram.bytes.resize(65536);
  socklen_t from_length = sizeof datagram.from;
  const ssize_t received = ::recvfrom(fd_.get(), datagram.bytes.data(), datagram.bytes.size(), 0,
                                      reinterpret_cast<sockaddr*>(&datagram.from), &from_length);
  if (received < 0) {
    if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
      std::fprintf(stderr, "vela-devsim: receive on %s: %s\n", local_text_.c_str(), std::strerror(errno));
    return std::nullopt;
  }
  datagram.bytes.resize(static_cast<std::size_t>(received));
  return datagram;
}

bool UdpEndpoint::send_to(const sockaddr_in& to, ByteView bytes) {
  const ssize_t sent =
      ::sendto(fd_.get(), bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
  if (sent == static_cast<ssize_t>(bytes.size())) return true;
  std::fprintf(stderr, "vela-devsim: send from %s to %s: %s\n", local_text_.c_str(), endpoint_text(to).c_str(),
               sent < 0 ? std::strerror(errno) : "short write");
  return false;
}

}  // namespace vela::sim
