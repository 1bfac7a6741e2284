#pragma once
// Single-threaded event loop: file descriptors watched with poll() and
// one-shot timers. Nothing in the loop sleeps; poll() waits for the next
// readable descriptor or the next timer.
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace vela::sim {

class EventLoop {
 public:
  using Clock = std::chrono::steady_clock;
  using FdHandler = std::function<void(short revents)>;
  using TimerHandler = std::function<void()>;
  using TimerId = std::uint64_t;

  // One handler per descriptor; watching it again replaces the handler.
  void watch(int fd, short events, FdHandler handler);
  void set_events(int fd, short events);
  void unwatch(int fd);

  // Timers with the same due time run in the order they were added.
  TimerId add_timer(std::chrono::milliseconds delay, TimerHandler handler);
  void cancel_timer(TimerId id);

  // Runs until stop() is called from a handler.
  void run();
  void stop() { running_ = false; }

 private:
  struct Watch {
    int fd;
    short events;
    FdHandler handler;
  };
  struct Timer {
    TimerId id;
    TimerHandler handler;
  };

  int poll_timeout_ms() const;
  void dispatch(int fd, short revents);
  void run_due_timers();

  std::vector<Watch> watches_;
  std::multimap<Clock::time_point, Timer> timers_;
  TimerId next_timer_id_ = 1;
  bool running_ = false;
};

}  // namespace vela::sim
