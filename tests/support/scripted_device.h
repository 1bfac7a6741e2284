#pragma once
// A device played by the test itself on loopback: for each frame it
// receives it answers with the datagrams the test scripted for that command
// code, from its own thread (the reader blocks its own thread meanwhile).
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "udp_peer.h"

namespace vela::test {

class ScriptedDevice {
 public:
  using Replies = std::map<std::uint8_t, std::vector<Bytes>>;

  ScriptedDevice(const std::string& addr, Replies replies) : peer_(addr), replies_(std::move(replies)) {
    thread_ = std::thread([this] { run(); });
  }
  ~ScriptedDevice() {
    stop_ = true;
    thread_.join();
  }
  ScriptedDevice(const ScriptedDevice&) = delete;
  ScriptedDevice& operator=(const ScriptedDevice&) = delete;

  std::uint16_t port() const { return peer_.port(); }
  int frames_received() const { return received_; }
  // Every datagram received so far, in order.
  std::vector<Bytes> datagrams() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return datagrams_;
  }

 private:
  void run() {
    while (!stop_) {
      const auto datagram = peer_.receive(std::chrono::milliseconds(20));
      if (!datagram) continue;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        datagrams_.push_back(datagram->bytes);
      }
      if (datagram->bytes.size() <= frame::kCodeOffset) continue;
      ++received_;
      const auto script = replies_.find(datagram->bytes[frame::kCodeOffset]);
      if (script == replies_.end()) continue;
      for (const Bytes& reply : script->second) peer_.send_to(datagram->addr, datagram->port, reply);
    }
  }

  UdpPeer peer_;
  Replies replies_;
  std::atomic<bool> stop_{false};
  std::atomic<int> received_{0};
  mutable std::mutex mutex_;
  std::vector<Bytes> datagrams_;
  std::thread thread_;
};

}  // namespace vela::test
