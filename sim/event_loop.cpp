#include "event_loop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace vela::sim {

void EventLoop::watch(int fd, short events, FdHandler handler) {
  unwatch(fd);
  watches_.push_back(Watch{fd, events, std::move(handler)});
}

void EventLoop::set_events(int fd, short events) {
  for (Watch& w : watches_)
    if (w.fd == fd) w.events = events;
}

void EventLoop::unwatch(int fd) {
  std::erase_if(watches_, [fd](const Watch& w) { return w.fd == fd; });
}

EventLoop::TimerId EventLoop::add_timer(std::chrono::milliseconds delay, TimerHandler handler) {
  const TimerId id = next_timer_id_++;
  timers_.emplace(Clock::now() + delay, Timer{id, std::move(handler)});
  return id;
}

void EventLoop::cancel_timer(TimerId id) {
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->second.id == id) {
      timers_.erase(it);
      return;
    }
  }
}

int EventLoop::poll_timeout_ms() const {
  if (timers_.empty()) return -1;
  const auto remaining = timers_.begin()->first - Clock::now();
  if (remaining <= Clock::duration::zero()) return 0;
  // Round up so that a timer less than a millisecond away does not spin.
  return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(remaining).count());
}

void EventLoop::dispatch(int fd, short revents) {
  // The handler may watch or unwatch descriptors, so call a copy.
  for (const Watch& w : watches_) {
    if (w.fd == fd) {
      FdHandler handler = w.handler;
      handler(revents);
      return;
    }
  }
}

void EventLoop::run_due_timers() {
  const auto now = Clock::now();
  while (!timers_.empty() && timers_.begin()->first <= now) {
    TimerHandler handler = std::move(timers_.begin()->second.handler);
    timers_.erase(timers_.begin());
    handler();
  }
}

void EventLoop::run() {
  running_ = true;
  std::vector<pollfd> fds;
  while (running_) {
    fds.clear();
    for (const Watch& w : watches_) fds.push_back(pollfd{w.fd, w.events, 0});
    const int ready = ::poll(fds.data(), fds.size(), poll_timeout_ms());
    if (ready < 0) {
      if (errno == EINTR) continue;
      throw std::system_error(errno, std::generic_category(), "poll");
    }
    for (const pollfd& p : fds) {
      if (!running_) return;
      if (p.revents != 0) dispatch(p.fd, p.revents);
    }
    if (running_) run_due_timers();
  }
}

}  // namespace vela::sim
