#pragma once
// An IPv4 socket address from text and port, for the tests' own sockets.
#include <arpa/inet.h>
#include <netinet/in.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vela::test {

// Throws std::runtime_error when addr is not dotted-decimal IPv4.
inline sockaddr_in make_address(const std::string& addr, std::uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  if (inet_pton(AF_INET, addr.c_str(), &a.sin_addr) != 1) throw std::runtime_error("bad address " + addr);
  return a;
}

}  // namespace vela::test
