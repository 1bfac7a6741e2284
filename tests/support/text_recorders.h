#pragma once
// Recorders of the texts the system writes for people: diagnostic lines and
// operator messages. Each takes over its channel while it lives and gives it
// back on destruction; the texts may come from any thread.
#include <cstddef>
#include <mutex>
#include <string>
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

class DiagnosticRecorder : public TextRecord {
 public:
  DiagnosticRecorder();
  ~DiagnosticRecorder();
  DiagnosticRecorder(const DiagnosticRecorder&) = delete;
  DiagnosticRecorder& operator=(const DiagnosticRecorder&) = delete;

 private:
  DiagnosticSink previous_;
};

class OperatorMessageRecorder : public TextRecord {
 public:
  OperatorMessageRecorder();
  ~OperatorMessageRecorder();
  OperatorMessageRecorder(const OperatorMessageRecorder&) = delete;
  OperatorMessageRecorder& operator=(const OperatorMessageRecorder&) = delete;

 private:
  OperatorMessageHandler previous_;
};

}  // namespace vela::test
