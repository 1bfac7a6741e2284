#pragma once
// What becomes of the serial port, told to whoever listens: the thread that
// opened or closed the port tells, and a lost line is told by the thread that
// noticed it (the port's watcher thread, or an exchange waiting on the line).
// Qt-free; a listener must not open, close or change the port's listeners
// from these calls.
#include <string>

namespace vela {

class SerialPortListener {
 public:
  virtual ~SerialPortListener() = default;
  virtual void opened(const std::string& port, int baud) = 0;
  virtual void open_failed(const std::string& port) = 0;
  // A port that counted as open was closed; a lost line was told already.
  virtual void closed(const std::string& port) = 0;
  // The line went away under the open port, which counts as closed from now.
  virtual void line_lost(const std::string& port) = 0;
};

}  // namespace vela
