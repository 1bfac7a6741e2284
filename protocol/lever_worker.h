#pragma once
// The lever worker: a thread that turns every new lever position into a
// transition position command and runs the transition state machine. It
// knows no widget: the window thread hands it positions, it sends through
// its sender and reports what the page must show through its notifier
// (called on the worker's thread; the page posts it on to its own).
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace vela {

struct LeverEvent {
  enum class Kind {
    Started,    // the lever left the start end: a transition runs
    Returned,   // back at the start end without completing
    Completed,  // the completing end was reached; program and preview swap
  };
  Kind kind;
  std::uint8_t direction;  // the direction after the event
  friend bool operator==(const LeverEvent&, const LeverEvent&) = default;
};

class LeverWorker {
 public:
  using Sender = std::function<void(std::uint8_t direction, std::uint8_t value)>;
  using Notifier = std::function<void(const LeverEvent&)>;

  // The lever rests at the start end of `direction`, seen already, so a
  // worker started there sends nothing until the lever moves.
  LeverWorker(std::uint8_t direction, Sender sender, Notifier notifier,
              std::chrono::milliseconds pause = std::chrono::milliseconds(10));
  ~LeverWorker();
  LeverWorker(const LeverWorker&) = delete;
  LeverWorker& operator=(const LeverWorker&) = delete;

  void start();
  // Ends the thread and waits for it; nothing is sent or notified after.
  void stop();

  // Any thread. Positions handed over during the pause after a command are
  // skipped: the worker sends the latest one.
  void set_position(int position);
  std::uint8_t direction() const { return m_direction.load(); }

 private:
  void run();
  void step(int current);

  Sender m_sender;
  Notifier m_notifier;
  std::chrono::milliseconds m_pause;
  std::atomic<std::uint8_t> m_direction;

  std::mutex m_mutex;
  std::condition_variable m_wake;
  int m_position;       // guarded by m_mutex
  bool m_stop = false;  // guarded by m_mutex

  // The worker thread's own.
  int m_previous_position;
  bool m_transition_running = false;

  std::thread m_thread;
};

}  // namespace vela
