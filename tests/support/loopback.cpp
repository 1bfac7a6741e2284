#include "loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <random>
#include <stdexcept>

#include "socket_address.h"

namespace vela::test {
namespace {

// Binds addr:port; returns the bound port, or 0 when the bind failed.
std::uint16_t try_bind(const std::string& addr, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) throw std::runtime_error("socket() failed");
  sockaddr_in a = make_address(addr, port);
  std::uint16_t bound = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
    socklen_t length = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length);
    bound = ntohs(a.sin_port);
  }
  ::close(fd);
  return bound;
}

}  // namespace

LoopbackRange LoopbackRange::for_this_process() {
  // Blocks start at 127.0.0.2 and end at 127.0.0.241.
  return LoopbackRange(2 + kSize * static_cast<int>(::getpid() % 15));
}

std::string LoopbackRange::address(int i) const {
  if (i < 0 || i >= kSize) throw std::out_of_range("loopback address index");
  return "127.0.0." + std::to_string(base_ + i);
}

std::vector<std::string> LoopbackRange::addresses(int count) const {
  std::vector<std::string> list;
  for (int i = 0; i < count; ++i) list.push_back(address(i));
  return list;
}

// Chosen below the kernel's ephemeral range, so that no socket that sends
// without binding (in this test or one running beside it) is handed the port
// between its choice and its use; and free on every address, as the panel
// binds its local port on all of them.
std::uint16_t free_udp_port(const std::vector<std::string>& also_free_on) {
  static std::mt19937 pick(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
  std::uniform_int_distribution<int> below_ephemeral(20000, 32000);
  for (int attempt = 0; attempt < 500; ++attempt) {
    const auto port = static_cast<std::uint16_t>(below_ephemeral(pick));
    if (try_bind("0.0.0.0", port) != port) continue;
    bool free_everywhere = true;
    for (const std::string& addr : also_free_on) free_everywhere = free_everywhere && try_bind(addr, port) == port;
    if (free_everywhere) return port;
  }
  throw std::runtime_error("no free UDP port found");
}

}  // namespace vela::test
