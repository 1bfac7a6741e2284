#pragma once
// Diagnostic lines of the link and the shell: printf-style texts written to
// standard output, one flush per line. Tests may divert them to a sink.
#include <functional>
#include <string>

namespace vela {

using DiagnosticSink = std::function<void(const std::string&)>;

// Writes one diagnostic line (the caller's format decides its exact text).
void diag(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Replaces where diagnostics go; an empty sink restores standard output.
// Returns the previous sink. Safe from any thread, also from inside a sink.
// A sink is called without any lock held, once per whole line; a line that
// another thread had already started may still reach the sink being
// replaced, so a sink's captures must outlive the threads that write.
DiagnosticSink set_diagnostic_sink(DiagnosticSink sink);

}  // namespace vela
