#include "diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <mutex>
#include <utility>

namespace vela {
namespace {

std::mutex sink_mutex;
// Shared so that a line can be delivered outside the lock: the sink may
// itself write diagnostics or replace the sink, or wait on a thread that does.
std::shared_ptr<const DiagnosticSink> current_sink;

__attribute__((format(printf, 1, 0))) std::string format_line(const char* format, va_list args) {
  char small[256];
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(small, sizeof small, format, measure);
  va_end(measure);
  if (length < 0) return {};
  if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, static_cast<std::size_t>(length));
  std::string line(static_cast<std::size_t>(length), '\0');
  std::vsnprintf(line.data(), line.size() + 1, format, args);
  return line;
}

}  // namespace

void diag(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string line = format_line(format, args);
  va_end(args);

  std::shared_ptr<const DiagnosticSink> sink;
  {
    std::lock_guard lock(sink_mutex);
    sink = current_sink;
  }
  if (sink) {
    (*sink)(line);
    return;
  }
  // One call per line: stdio's own lock keeps concurrent lines whole.
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

DiagnosticSink set_diagnostic_sink(DiagnosticSink sink) {
  auto replacement = sink ? std::make_shared<const DiagnosticSink>(std::move(sink)) : nullptr;
  std::shared_ptr<const DiagnosticSink> previous;
  {
    std::lock_guard lock(sink_mutex);
    previous = std::exchange(current_sink, std::move(replacement));
  }
  return previous ? *previous : DiagnosticSink{};
}

}  // namespace vela
