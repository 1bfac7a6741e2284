#pragma once
// The JSON-lines log of everything the simulated devices receive: one line
// per frame or per piece of text, flushed per line.
//   {"time":1.5,"carrier":"udp","source":"127.0.0.1:7000","device":"Studio1",
//    "hex":"a56c14...","code":255,"command":"search"}
//   {"time":..,"carrier":"serial","source":"/dev/pts/3","device":..,"text":"3V1.","hex":".."}
// A frame the device did not take as it stands carries a "note" (why). Lines
// of the control channel are logged as text with carrier "control".
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "frame.h"
#include "json_text.h"

namespace vela::sim {

// Lowercase hex digits, no separators.
std::string hex_text(ByteView bytes);

struct LogOrigin {
  const char* carrier;
  std::string source;
  std::string device;
};

class FrameLog {
 public:
  // No path: nothing is written. Throws SetupError when the file cannot be opened.
  explicit FrameLog(const std::optional<std::string>& path);
  ~FrameLog();
  FrameLog(const FrameLog&) = delete;
  FrameLog& operator=(const FrameLog&) = delete;

  void frame(const LogOrigin& origin, ByteView bytes, std::uint8_t code, const std::string& command,
             const std::string& note = {});
  void text(const LogOrigin& origin, ByteView bytes, const std::string& note = {});

 private:
  void write_line(const LogOrigin& origin, const std::string& fields);

  std::FILE* file_ = nullptr;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace vela::sim
