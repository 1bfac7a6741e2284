#include "loopback.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

// Keeps `name` for this test process until it exits, so that test
// programs running beside it (ctest -j, a second clone's run) never take
// it: a lock on a file of that name, held by a descriptor left open. False
// when another process keeps it. Where no lock file can be made, only the
// other checks guard the choice.
bool keep_for_this_process(const std::string& name) {
  static const std::string folder = "/tmp/vela-test-reservations";
  ::mkdir(folder.c_str(), 0777);
  const int fd = ::open((folder + "/" + name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  return true;
}

constexpr int kBlocks = 15;

}  // namespace

LoopbackRange LoopbackRange::for_this_process() {
  // Blocks start at 127.0.0.2 and end at 127.0.0.241. The process id picks
  // the first block tried; a block kept by a program running beside this
  // one is passed over. One process keeps one block.
  static const int block = [] {
    const int first = static_cast<int>(::getpid() % kBlocks);
    for (int i = 0; i < kBlocks; ++i) {
      const int candidate = (first + i) % kBlocks;
      if (keep_for_this_process("block-" + std::to_string(candidate))) return candidate;
    }
    return first;
  }();
  return LoopbackRange(2 + kSize * block);
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
// between its choice and its use; free on every address, as the panel binds
// its local port on all of them; and kept for this process, so that a test
// running beside it cannot choose it before this one binds it.
std::uint16_t free_udp_port(const std::vector<std::string>& also_free_on) {
  static std::mt19937 pick(std::random_device{}() ^ static_cast<unsigned>(::getpid()));
  std::uniform_int_distribution<int> below_ephemeral(20000, 32000);
  for (int attempt = 0; attempt < 500; ++attempt) {
    const auto port = static_cast<std::uint16_t>(below_ephemeral(pick));
    if (try_bind("0.0.0.0", port) != port) continue;
    if (!keep_for_this_process("port-" + std::to_string(port))) continue;
    bool free_everywhere = true;
    for (const std::string& addr : also_free_on) free_everywhere = free_everywhere && try_bind(addr, port) == port;
    if (free_everywhere) return port;
  }
  throw std::runtime_error("no free UDP port found");
}

}  // namespace vela::test
