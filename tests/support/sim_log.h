#pragma once
// The simulator's JSON-lines log, read back by tests.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "frame.h"

namespace vela::test {

struct LogRecord {
  double time = 0;
  std::string carrier;  // "udp", "serial" or "control"
  std::string source;   // "addr:port" or the terminal path
  std::string device;   // device name ("*" for the broadcast listener)
  std::string hex;      // received bytes, lowercase hex
  int code = -1;        // command code of a frame; -1 for text
  std::string command;  // decoded command of a frame
  std::string text;     // received non-frame bytes (one char per byte)
  bool is_text = false;
  std::string note;  // why the device did not take it as it stands

  Bytes bytes() const;  // hex decoded
};

// Parses one log line; throws std::runtime_error when it is malformed.
LogRecord parse_log_record(const std::string& line);

class SimLog {
 public:
  explicit SimLog(std::string path) : path_(std::move(path)) {}

  // Every complete line written so far (a missing file gives none).
  std::vector<LogRecord> records() const;
  // Polls until at least `count` records exist or the deadline passes, and
  // returns what is there (check the size).
  std::vector<LogRecord> wait_for(std::size_t count,
                                  std::chrono::milliseconds deadline = std::chrono::seconds(15)) const;
  // The same, counting only the records that match.
  std::vector<LogRecord> wait_for(std::size_t count, const std::function<bool(const LogRecord&)>& match,
                                  std::chrono::milliseconds deadline = std::chrono::seconds(15)) const;

 private:
  std::string path_;
};

}  // namespace vela::test
