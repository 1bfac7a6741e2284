#include "serial_exchange.h"

#include <algorithm>
#include <array>

#include "deadline.h"
#include "diagnostics.h"
#include "reply_window.h"

namespace vela {
namespace {

// Throws away what is waiting in the input queue now (stale replies).
void discard_queued_input(SerialPort& port) {
  int left = port.queued_input().value_or(0);
  std::array<std::uint8_t, 1024> scratch;
  while (left > 0) {
    const int got = port.read(scratch.data(), std::min<int>(left, scratch.size()));
    if (got <= 0) break;
    left -= got;
  }
}

}  // namespace

SerialExchangeResult exchange_serial(SerialPort& port, ReassemblyBuffer& buffer, ByteView request,
                                     const ScannerTargets& targets, int window_ms, const QueuedInputHook& on_queued,
                                     const char* purpose) {
  const bool search = request.size() > frame::kCodeOffset && request[frame::kCodeOffset] == code::kSearch;
  OpenReplyWindow shown(search ? ReplyWindowKind::SerialSearch : ReplyWindowKind::SerialReply, purpose, request,
                        window_ms);
  if (!port.is_open()) {
    shown.close(ReplyWindowOutcome::PortClosed);
    return {SerialExchangeStatus::PortClosed, 0};
  }
  buffer.clear();
  discard_queued_input(port);
  port.write(request.data(), static_cast<int>(request.size()));

  const Deadline window(window_ms);
  std::array<std::uint8_t, kSerialReadLimit> chunk;
  while (!window.expired()) {
    const int queued = port.queued_input().value_or(0);  // a failed query counts as empty
    if (queued <= 0) {
      if (!port.wait_readable(window) && !port.is_open()) {
        // The line went away under the wait (its loss is diagnosed by the port).
        shown.close(ReplyWindowOutcome::PortClosed);
        return {SerialExchangeStatus::PortClosed, 0};
      }
      continue;
    }
    if (on_queued) on_queued(queued);
    const int got = port.read(chunk.data(), std::min(queued, kSerialReadLimit));
    // append() drops the whole content first when the bytes would not fit.
    buffer.append(ByteView(chunk.data(), static_cast<std::size_t>(got)));
    const int result = scan_replies(buffer.view(), targets);
    if (result > 0) {
      shown.close(ReplyWindowOutcome::Replied);
      return {SerialExchangeStatus::Replied, result};
    }
  }
  diag("time over \n");
  return {SerialExchangeStatus::TimedOut, 0};
}

}  // namespace vela
