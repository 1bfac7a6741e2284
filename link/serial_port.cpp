#include "serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "diagnostics.h"
#include "poll_wait.h"
#include "trace.h"

namespace vela {
namespace {

std::optional<speed_t> speed_for(int baud) {
  switch (baud) {
    case 9600:
      return B9600;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    case 57600:
      return B57600;
    case 115200:
      return B115200;
    default:
      return std::nullopt;
  }
}

// 8 data bits, no parity, 1 stop bit, raw, receiver on, modem lines ignored.
bool configure_line(int fd, speed_t speed) {
  termios line{};
  if (::tcgetattr(fd, &line) != 0) return false;
  ::cfmakeraw(&line);
  line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
  line.c_cflag |= CS8 | CLOCAL | CREAD;
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  if (::cfsetispeed(&line, speed) != 0 || ::cfsetospeed(&line, speed) != 0) return false;
  return ::tcsetattr(fd, TCSANOW, &line) == 0;
}

void drain_pipe(int fd) {
  std::uint8_t sink[64];
  while (::read(fd, sink, sizeof sink) > 0) {
  }
}

}  // namespace

SerialPort::~SerialPort() { close(); }

template <class Report>
void SerialPort::tell(Report report) {
  std::lock_guard lock(listeners_mutex_);
  for (SerialPortListener* listener : listeners_) report(*listener);
}

bool SerialPort::open(const std::string& port_name, int baud) {
  if (port_name.size() >= kNameLimit) {
    tell([&](SerialPortListener& listener) { listener.open_failed(port_name); });
    return false;
  }
  std::string closed_first;
  bool opened;
  {
    std::lock_guard life(lifecycle_mutex_);
    closed_first = close_port(kDefaultCloseWaitMs);
    opened = open_port(port_name, baud);
  }
  // Told outside the lifecycle lock, in the order it happened.
  if (!closed_first.empty()) tell([&](SerialPortListener& listener) { listener.closed(closed_first); });
  if (opened) {
    tell([&](SerialPortListener& listener) { listener.opened(port_name, baud); });
  } else {
    tell([&](SerialPortListener& listener) { listener.open_failed(port_name); });
  }
  return opened;
}

bool SerialPort::open_port(const std::string& port_name, int baud) {
  const auto speed = speed_for(baud);
  if (!speed) return false;

  const int fd = ::open(port_name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // TIOCEXCL keeps other (unprivileged) openers out; the lock also keeps out
  // another holder in this process or a privileged one.
  if (::ioctl(fd, TIOCEXCL) != 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || !configure_line(fd, *speed) ||
      ::pipe2(wake_pipe_, O_NONBLOCK | O_CLOEXEC) != 0) {
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
    return false;
  }
  ::tcflush(fd, TCIOFLUSH);

  name_ = port_name;
  line_lost_.store(false);
  fd_.store(fd);
  {
    std::lock_guard lock(queue_mutex_);
    queue_.clear();
    accepting_ = true;
  }
  watcher_ = std::thread(&SerialPort::watcher_loop, this, fd, wake_pipe_[0]);
  return true;
}

void SerialPort::close(int wait_ms) {
  std::string closed;
  {
    std::lock_guard life(lifecycle_mutex_);
    closed = close_port(wait_ms);
  }
  if (!closed.empty()) tell([&](SerialPortListener& listener) { listener.closed(closed); });
}

std::string SerialPort::close_port(int wait_ms) {
  const int fd = fd_.load();
  if (fd < 0) return {};
  stop_watcher(wait_ms);
  // Frames that left the queue are the line's now: discarding the driver's
  // output buffer here would lose a command the operator saw go. Only what
  // came in and nobody will read is dropped.
  ::tcflush(fd, TCIFLUSH);
  ::ioctl(fd, TIOCNXCL);  // the exclusive mark outlives us on a terminal others keep open
  fd_.store(-1);
  // A lost line was told as it went; its release is no news.
  const bool counted_open = !line_lost_.exchange(false);
  ::close(fd);
  release_descriptors();
  return counted_open ? name_ : std::string();
}

void SerialPort::add_listener(SerialPortListener* listener) {
  std::lock_guard lock(listeners_mutex_);
  listeners_.push_back(listener);
}

void SerialPort::remove_listener(SerialPortListener* listener) {
  std::lock_guard lock(listeners_mutex_);
  std::erase(listeners_, listener);
}

bool SerialPort::is_open() const { return fd_.load() >= 0 && !line_lost_.load(); }

std::optional<int> SerialPort::queued_input() const {
  const int fd = fd_.load();
  if (fd < 0) return std::nullopt;
  int queued = 0;
  if (::ioctl(fd, FIONREAD, &queued) != 0) return std::nullopt;
  return queued;
}

int SerialPort::read(std::uint8_t* destination, int count) {
  const int fd = fd_.load();
  if (fd < 0 || count <= 0) return 0;
  ssize_t got;
  do {
    got = ::read(fd, destination, static_cast<std::size_t>(count));
  } while (got < 0 && errno == EINTR);
  if (got <= 0) return 0;
  bytes_read_ += static_cast<std::uint64_t>(got);
  protocol_trace().record_serial(TraceDirection::Received, name_, ByteView(destination, static_cast<std::size_t>(got)));
  return static_cast<int>(got);
}

int SerialPort::write(const std::uint8_t* bytes, int count) {
  if (count <= 0) return 0;
  std::lock_guard lock(queue_mutex_);
  if (!accepting_ || line_lost_.load()) return 0;
  queue_.emplace_back(bytes, bytes + count);
  // name_ changes only while no write is accepted, so it is safe to read here.
  protocol_trace().record_serial(TraceDirection::Sent, name_, ByteView(bytes, static_cast<std::size_t>(count)));
  wake_watcher();
  return count;
}

bool SerialPort::wait_readable(const Deadline& until) {
  const int fd = fd_.load();
  if (fd < 0 || line_lost_.load()) return false;
  pollfd entry{fd, POLLIN, 0};
  const int ready = poll_until(&entry, 1, &until);
  if (ready <= 0) return false;
  // A hung-up terminal also reports input; no byte can come from it.
  if (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) {
    note_line_lost();
    return false;
  }
  return (entry.revents & POLLIN) != 0;
}

void SerialPort::note_line_lost() {
  if (line_lost_.exchange(true)) return;
  diag("serial line %s lost \n", name_.c_str());
  tell([this](SerialPortListener& listener) { listener.line_lost(name_); });
}

void SerialPort::wake_watcher() {
  const std::uint8_t signal = 1;
  // A full pipe already holds a wake-up, so a failed write loses nothing.
  [[maybe_unused]] const ssize_t ignored = ::write(wake_pipe_[1], &signal, 1);
}

void SerialPort::stop_watcher(int wait_ms) {
  {
    std::lock_guard lock(queue_mutex_);
    accepting_ = false;
    stop_deadline_ = Deadline(std::max(wait_ms, 0));
  }
  wake_watcher();
  if (watcher_.joinable()) watcher_.join();
  std::lock_guard lock(queue_mutex_);
  queue_.clear();
}

void SerialPort::release_descriptors() {
  for (int& end : wake_pipe_) {
    if (end >= 0) ::close(end);
    end = -1;
  }
}

// Hands queued writes to the device, each whole and in order. Waits in
// poll() for room in the device or for the window thread's wake-up. Once a
// stop is asked, pending writes may finish until the stop deadline; what is
// left then is dropped.
void SerialPort::watcher_loop(int fd, int wake_fd) {
  std::vector<std::uint8_t> chunk;
  std::size_t offset = 0;
  bool have_chunk = false;
  Deadline deadline(0, 0);
  for (;;) {
    bool stopping;
    {
      std::lock_guard lock(queue_mutex_);
      if (!have_chunk && !queue_.empty()) {
        chunk = std::move(queue_.front());
        queue_.pop_front();
        offset = 0;
        have_chunk = true;
      }
      stopping = !accepting_;
      deadline = stop_deadline_;
    }
    if (stopping && (!have_chunk || deadline.expired())) break;

    if (!have_chunk) {
      // The line is watched while idle too, so that a lost line shows before
      // the next exchange; once lost it stays signalled and is left out.
      pollfd fds[2] = {{wake_fd, POLLIN, 0}, {fd, 0, 0}};
      poll_until(fds, line_lost_.load() ? 1 : 2, nullptr);
      if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) note_line_lost();
      drain_pipe(wake_fd);
      continue;
    }

    const ssize_t sent = ::write(fd, chunk.data() + offset, chunk.size() - offset);
    if (sent > 0) {
      offset += static_cast<std::size_t>(sent);
      bytes_written_.fetch_add(static_cast<std::uint64_t>(sent));
      if (offset == chunk.size()) have_chunk = false;
      continue;
    }
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      if (errno == EIO) note_line_lost();
      have_chunk = false;  // the device refused this write; go on with the next
      continue;
    }
    // The device is full: wait for room, or for a stop request.
    pollfd fds[2] = {{fd, POLLOUT, 0}, {wake_fd, POLLIN, 0}};
    poll_until(fds, 2, stopping ? &deadline : nullptr);
    if (fds[1].revents & POLLIN) drain_pipe(wake_fd);
    if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) && !(fds[0].revents & POLLOUT)) {
      note_line_lost();
      have_chunk = false;
    }
  }

  // Give what the driver still holds the rest of the stop time to leave.
  for (;;) {
    int pending = 0;
    if (::ioctl(fd, TIOCOUTQ, &pending) != 0 || pending <= 0 || deadline.expired()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(deadline.remaining_ms(), 5)));
  }
}

}  // namespace vela
