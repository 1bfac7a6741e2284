#pragma once
// Reads the control channel, the simulator's standard input, a line at a
// time from the event loop, until it ends. A simulator started in the
// background of a terminal stops reading instead of being stopped.
#include <functional>
#include <string>

#include "event_loop.h"

namespace vela::sim {

class ControlChannel {
 public:
  using LineHandler = std::function<void(const std::string& line)>;

  // Does nothing when fd is not open.
  ControlChannel(EventLoop& loop, int fd, LineHandler handler);
  ~ControlChannel();
  ControlChannel(const ControlChannel&) = delete;
  ControlChannel& operator=(const ControlChannel&) = delete;

 private:
  void on_readable();
  void close();

  EventLoop& loop_;
  int fd_;
  LineHandler handler_;
  std::string pending_;  // a line without its end yet
};

}  // namespace vela::sim
