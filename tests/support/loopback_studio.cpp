#include "loopback_studio.h"

#include <unistd.h>

#include <cstdio>
#include <stdexcept>

#include "loopback.h"

namespace vela::test {

LoopbackStudio::LoopbackStudio(int device_count)
    : device_count_(device_count),
      second_(100 + static_cast<int>(::getpid() % 100)),
      third_(1 + static_cast<int>(::getpid() / 100 % 250)) {
  if (device_count < 1 || device_count > 253) throw std::out_of_range("loopback studio size");
  std::vector<std::string> every = {listen_address()};
  for (int i = 0; i < device_count; ++i) every.push_back(device_address(i));
  device_port_ = free_udp_port(every);
}

std::string LoopbackStudio::device_address(int i) const {
  if (i < 0 || i >= device_count_) throw std::out_of_range("loopback studio device");
  return "127." + std::to_string(second_) + "." + std::to_string(third_) + "." + std::to_string(i + 1);
}

std::string LoopbackStudio::listen_address() const {
  return "127." + std::to_string(second_) + "." + std::to_string(third_) + ".254";
}

std::string LoopbackStudio::device_name(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "Cam %03d", i + 1);
  return name;
}

std::vector<std::string> LoopbackStudio::simulator_args() const {
  std::vector<std::string> args = {"--port", std::to_string(device_port_), "--broadcast-listen", listen_address()};
  for (int i = 0; i < device_count_; ++i) {
    args.push_back("--device");
    args.push_back("type=0xA1,id=" + std::to_string(i % 255 + 1) + ",name=" + device_name(i) +
                   ",addr=" + device_address(i));
  }
  return args;
}

std::vector<std::string> LoopbackStudio::list_texts() const {
  std::vector<std::string> texts;
  for (int i = 0; i < device_count_; ++i) texts.push_back(device_name(i) + "_" + device_address(i));
  return texts;
}

}  // namespace vela::test
