#include "frame_log.h"

#include <cerrno>
#include <cstring>

#include "errors.h"

namespace vela::sim {

std::string hex_text(ByteView bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    text.push_back(digits[b >> 4]);
    text.push_back(digits[b & 0xF]);
  }
  return text;
}

FrameLog::FrameLog(const std::optional<std::string>& path) {
  if (!path) return;
  file_ = std::fopen(path->c_str(), "w");
  if (!file_) throw SetupError("cannot open log " + *path + ": " + std::strerror(errno));
}

FrameLog::~FrameLog() {
  if (file_) std::fclose(file_);
}

void FrameLog::write_line(const LogOrigin& origin, const std::string& fields) {
  if (!file_) return;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  std::fprintf(file_, "{\"time\":%.6f,\"carrier\":\"%s\",\"source\":%s,\"device\":%s,%s}\n", seconds, origin.carrier,
               json_string(origin.source).c_str(), json_string(origin.device).c_str(), fields.c_str());
  std::fflush(file_);
}

namespace {

std::string note_field(const std::string& note) { return note.empty() ? "" : ",\"note\":" + json_string(note); }

}  // namespace

void FrameLog::frame(const LogOrigin& origin, ByteView bytes, std::uint8_t code, const std::string& command,
                     const std::string& note) {
  write_line(origin, "\"hex\":\"" + hex_text(bytes) + "\",\"code\":" + std::to_string(code) +
                         ",\"command\":" + json_string(command) + note_field(note));
}

void FrameLog::text(const LogOrigin& origin, ByteView bytes, const std::string& note) {
  write_line(origin, "\"text\":" + json_string(bytes) + ",\"hex\":\"" + hex_text(bytes) + "\"" + note_field(note));
}

}  // namespace vela::sim
