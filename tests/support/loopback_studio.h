#pragma once
// A studio's worth of simulated devices (a full device table), each at its
// own loopback address and all answering one search in the same burst.
#include <cstdint>
#include <string>
#include <vector>

namespace vela::test {

class LoopbackStudio {
 public:
  // Addresses 127.S.P.1 to 127.S.P.count, with S.P chosen from the process
  // id away from the 127.0.0.x blocks; the listener is 127.S.P.254.
  explicit LoopbackStudio(int device_count);

  int device_count() const { return device_count_; }
  std::string device_address(int i) const;
  std::string listen_address() const;
  std::uint16_t device_port() const { return device_port_; }
  // "Cam 001" ...: names that sort as they are numbered.
  static std::string device_name(int i);
  // The simulator's arguments: the port, the listener and every device.
  std::vector<std::string> simulator_args() const;
  // "<name>_<address>" of every device, in the order they answer.
  std::vector<std::string> list_texts() const;

 private:
  int device_count_;
  int second_;
  int third_;
  std::uint16_t device_port_;
};

}  // namespace vela::test
