#include "lever_worker.h"

#include "diagnostics.h"
#include "lever_rules.h"

namespace vela {

LeverWorker::LeverWorker(std::uint8_t direction, Sender sender, Notifier notifier, std::chrono::milliseconds pause)
    : m_sender(std::move(sender)),
      m_notifier(std::move(notifier)),
      m_pause(pause),
      m_direction(direction),
      m_position(lever::start_end(direction)),
      m_previous_position(m_position) {}

LeverWorker::~LeverWorker() { stop(); }

void LeverWorker::start() {
  if (!m_thread.joinable()) m_thread = std::thread([this] { run(); });
}

void LeverWorker::stop() {
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void LeverWorker::set_position(int position) {
  {
    std::lock_guard lock(m_mutex);
    m_position = position;
  }
  m_wake.notify_all();
}

void LeverWorker::run() {
  diag("enter 2 \n");
  std::unique_lock lock(m_mutex);
  while (true) {
    // At rest the worker sleeps here until the lever moves or the page goes.
    m_wake.wait(lock, [this] { return m_stop || m_position != m_previous_position; });
    if (m_stop) break;
    const int current = m_position;
    lock.unlock();
    step(current);
    lock.lock();
    m_wake.wait_for(lock, m_pause, [this] { return m_stop; });
  }
  diag("*************switcher thread 2 exit *****************************************\n");
}

void LeverWorker::step(int current) {
  const std::uint8_t d = m_direction.load();
  diag("pre = %d,cur = %d ,direction = %d\n", m_previous_position, current, d);
  m_previous_position = current;
  if (current == lever::completing_end(d)) {
    m_sender(d, lever::kLastValue);
    const std::uint8_t flipped = d == 1 ? 0 : 1;
    m_direction.store(flipped);
    m_transition_running = false;
    m_notifier({LeverEvent::Kind::Completed, flipped});
  } else if (current == lever::start_end(d)) {
    m_sender(d, lever::kFirstValue);
    m_transition_running = false;
    m_notifier({LeverEvent::Kind::Returned, d});
  } else {
    m_sender(d, lever::transition_value(current, d));
    if (!m_transition_running) {
      m_transition_running = true;
      m_notifier({LeverEvent::Kind::Started, d});
    }
  }
}

}  // namespace vela
