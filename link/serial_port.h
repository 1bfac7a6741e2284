#pragma once
// The one serial port of the panel, on a POSIX terminal device.
//
// Open takes a device path (for example /dev/ttyUSB0 or a pseudo-terminal)
// and a baud rate of 9600, 19200, 38400, 57600 or 115200; the line is set to
// 8 data bits, no parity, 1 stop bit, raw. The port is held exclusively.
//
// Writes never block the calling (window) thread: each write is queued whole
// and a watcher thread, running from open to close, hands the queued frames
// to the device in order, never interleaving or splitting two writes.
//
// Open, close and write may be called from different threads: a write that
// meets a close either is queued before the close begins (and gets the
// close's wait time to leave) or is refused.
//
// A line that goes away under an open port (the far end hangs up: a pulled
// adapter, a pseudo-terminal whose other side closed) is noticed by the
// watcher or by a wait, diagnosed once, and from then on the port counts as
// closed; its descriptor is released by the next close or open.
//
// The port tells its listeners (SerialPortListener) when it is opened, fails
// to open, is closed, or loses its line, each once.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "deadline.h"
#include "serial_port_listener.h"

namespace vela {

class SerialPort {
 public:
  // A name of this many characters or more is refused.
  static constexpr std::size_t kNameLimit = 63;
  static constexpr int kDefaultCloseWaitMs = 500;

  SerialPort() = default;
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens the port (closing it first when open). False on any failure, with
  // the port left closed.
  bool open(const std::string& port_name, int baud);
  // Stops the watcher thread (waiting at most wait_ms for queued writes),
  // discards both directions and closes. Does nothing when closed.
  void close(int wait_ms = kDefaultCloseWaitMs);
  // False once the line was lost, although close() is still to be called.
  bool is_open() const;
  bool line_lost() const { return line_lost_.load(); }

  // Bytes waiting in the input queue, or nothing when the query fails.
  std::optional<int> queued_input() const;
  // Reads at most count bytes that are already queued; 0 when closed.
  int read(std::uint8_t* destination, int count);
  // Queues count bytes to be written whole and in order; returns count, or 0
  // when closed, closing or count is 0.
  int write(const std::uint8_t* bytes, int count);
  // Blocks (no CPU) until input is waiting, the window ended or the line
  // was lost. True when input is waiting.
  bool wait_readable(const Deadline& until);

  // A listener is told until it is removed; removal waits for a report
  // another thread is giving it.
  void add_listener(SerialPortListener* listener);
  void remove_listener(SerialPortListener* listener);

  const std::string& port_name() const { return name_; }
  std::uint64_t bytes_read() const { return bytes_read_; }
  std::uint64_t bytes_written() const { return bytes_written_; }

 private:
  // The name of the port closed when it counted as open, else empty.
  std::string close_port(int wait_ms);
  bool open_port(const std::string& port_name, int baud);
  template <class Report>
  void tell(Report report);
  void stop_watcher(int wait_ms);
  void watcher_loop(int fd, int wake_fd);
  void wake_watcher();
  void release_descriptors();
  void note_line_lost();

  // Serialises open and close with each other.
  std::mutex lifecycle_mutex_;
  std::string name_;
  std::atomic<int> fd_{-1};
  std::atomic<bool> line_lost_{false};
  // Self-pipe that wakes the watcher: [0] read end, [1] write end.
  int wake_pipe_[2] = {-1, -1};
  std::thread watcher_;
  // Shared between the writers, the closer and the watcher, under
  // queue_mutex_. The wake pipe is written only under it while accepting_,
  // so a close that has cleared accepting_ may release the pipe.
  std::mutex queue_mutex_;
  std::deque<std::vector<std::uint8_t>> queue_;
  bool accepting_ = false;        // from open until a close begins
  Deadline stop_deadline_{0, 0};  // queued writes are dropped after it
  std::uint64_t bytes_read_ = 0;
  std::atomic<std::uint64_t> bytes_written_{0};
  // Held while a report is given, so that a removed listener is not told.
  std::mutex listeners_mutex_;
  std::vector<SerialPortListener*> listeners_;
};

}  // namespace vela
