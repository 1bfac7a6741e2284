#pragma once
// Recorders of the texts the system writes for people: diagnostic lines and
// operator messages. Each takes over its channel while it lives and gives it
// back on destruction; the texts may come from any thread.
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "diagnostics.h"
#include "operator_message.h"

namespace vela::test {

class TextRecord {
 public:
  void add(const std::string& text);
  std::vector<std::string> lines() const;
  // The texts recorded so far; the record starts empty again.
  std::vector<std::string> take();
  std::size_t count(const std::string& text) const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> lines_;
};

// Both channels take a handler of one text.
using TextHandler = std::function<void(const std::string&)>;

// Records one channel while it lives: `install` puts a handler in place and
// returns the one it replaced.
template <TextHandler (*install)(TextHandler)>
class ChannelRecorder : public TextRecord {
 public:
  ChannelRecorder() : previous_(install([this](const std::string& text) { add(text); })) {}
  ~ChannelRecorder() { install(std::move(previous_)); }
  ChannelRecorder(const ChannelRecorder&) = delete;
  ChannelRecorder& operator=(const ChannelRecorder&) = delete;

 private:
  TextHandler previous_;
};

using DiagnosticRecorder = ChannelRecorder<&set_diagnostic_sink>;
using OperatorMessageRecorder = ChannelRecorder<&set_operator_message_handler>;

}  // namespace vela::test
