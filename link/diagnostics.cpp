#include "diagnostics.h"

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace vela {
namespace {
std::mutex sink_mutex;
DiagnosticSink current_sink;
}  // namespace

void diag(const char* format, ...) {
  char text[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  std::lock_guard lock(sink_mutex);
  if (current_sink) {
    current_sink(text);
    return;
  }
  std::fputs(text, stdout);
  std::fflush(stdout);
}

DiagnosticSink set_diagnostic_sink(DiagnosticSink sink) {
  std::lock_guard lock(sink_mutex);
  DiagnosticSink previous = std::move(current_sink);
  current_sink = std::move(sink);
  return previous;
}

}  // namespace vela
