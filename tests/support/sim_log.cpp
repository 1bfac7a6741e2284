#include "sim_log.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace vela::test {
namespace {

// Reads the flat JSON objects the simulator writes: string and number values.
class FlatJsonReader {
 public:
  explicit FlatJsonReader(const std::string& text) : s_(text) {}

  template <typename OnField>
  void read(OnField on_field) {
    expect('{');
    skip_space();
    if (peek() == '}') return;
    while (true) {
      const std::string key = string_value();
      expect(':');
      skip_space();
      if (peek() == '"') {
        on_field(key, string_value(), true);
      } else {
        on_field(key, number_text(), false);
      }
      skip_space();
      if (peek() == ',') {
        ++i_;
        continue;
      }
      expect('}');
      return;
    }
  }

 private:
  char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  void skip_space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }
  void expect(char c) {
    skip_space();
    if (peek() != c) fail(std::string("expected '") + c + "'");
    ++i_;
  }
  [[noreturn]] void fail(const std::string& what) const {
    throw std::runtime_error("log line, column " + std::to_string(i_) + ": " + what + ": " + s_);
  }

  std::string string_value() {
    expect('"');
    std::string out;
    while (peek() != '"') {
      if (i_ >= s_.size()) fail("unterminated string");
      char c = s_[i_++];
      if (c != '\\') {
        out.push_back(c);
        continue;
      }
      if (i_ >= s_.size()) fail("unterminated escape");
      c = s_[i_++];
      switch (c) {
        case 'n':
          out.push_back('\n');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'r':
          out.push_back('\r');
          break;
        case 'u': {
          if (i_ + 4 > s_.size()) fail("short \\u escape");
          const unsigned long value = std::stoul(s_.substr(i_, 4), nullptr, 16);
          if (value > 0xFF) fail("escape beyond one byte");
          out.push_back(static_cast<char>(value));
          i_ += 4;
          break;
        }
        default:
          out.push_back(c);
          break;  // \" \\ \/
      }
    }
    ++i_;
    return out;
  }

  std::string number_text() {
    const std::size_t start = i_;
    while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' || s_[i_] == '-' ||
                              s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+'))
      ++i_;
    if (start == i_) fail("expected a value");
    return s_.substr(start, i_ - start);
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

Bytes LogRecord::bytes() const {
  Bytes out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
  return out;
}

LogRecord parse_log_record(const std::string& line) {
  LogRecord r;
  FlatJsonReader(line).read([&r](const std::string& key, const std::string& value, bool is_string) {
    if (key == "time" && !is_string)
      r.time = std::stod(value);
    else if (key == "code" && !is_string)
      r.code = std::stoi(value);
    else if (key == "carrier")
      r.carrier = value;
    else if (key == "source")
      r.source = value;
    else if (key == "device")
      r.device = value;
    else if (key == "hex")
      r.hex = value;
    else if (key == "command")
      r.command = value;
    else if (key == "note")
      r.note = value;
    else if (key == "text") {
      r.text = value;
      r.is_text = true;
    }
  });
  return r;
}

std::vector<LogRecord> SimLog::records() const {
  std::ifstream in(path_, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  std::vector<LogRecord> out;
  std::size_t start = 0;
  // Only lines with their newline: the last one may be half written.
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    out.push_back(parse_log_record(text.substr(start, end - start)));
  return out;
}

std::vector<LogRecord> SimLog::wait_for(std::size_t count, std::chrono::milliseconds deadline) const {
  return wait_for(
      count, [](const LogRecord&) { return true; }, deadline);
}

std::vector<LogRecord> SimLog::wait_for(std::size_t count, const std::function<bool(const LogRecord&)>& match,
                                        std::chrono::milliseconds deadline) const {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (true) {
    std::vector<LogRecord> matching;
    for (LogRecord& r : records())
      if (match(r)) matching.push_back(std::move(r));
    if (matching.size() >= count || std::chrono::steady_clock::now() >= end) return matching;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace vela::test
