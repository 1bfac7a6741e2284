#pragma once
// Addresses and ports for tests that run in parallel on one machine.
#include <cstdint>
#include <string>
#include <vector>

namespace vela::test {

// A block of 127.0.0.x addresses kept for this process, so that test
// programs running at the same time use different addresses.
class LoopbackRange {
 public:
  static constexpr int kSize = 16;

  static LoopbackRange for_this_process();
  // Address i of the block, 0 <= i < kSize.
  std::string address(int i) const;
  std::vector<std::string> addresses(int count) const;

 private:
  explicit LoopbackRange(int base) : base_(base) {}
  int base_;
};

// A UDP port below the ephemeral range that is free on every address and on
// every address given. No socket holds it afterwards, but no other test
// process is given it while this one runs; this one is never given it again.
std::uint16_t free_udp_port(const std::vector<std::string>& also_free_on = {});

}  // namespace vela::test
