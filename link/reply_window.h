#pragma once
// Reply windows as the link opens and closes them, announced to whoever shows
// what the link is doing: the window's wait indication, the protocol trace,
// the status line. Listeners belong to the thread that waits; a thread with
// none (vela-ctl, a worker) pays one thread-local check per window.
#include <cstddef>
#include <cstdint>

#include "frame.h"
#include "reply_window_types.h"

namespace vela {

// Gaps between the calls of window_waiting() while a listened window waits.
inline constexpr int kWaitSliceMs = 40;

class ReplyWindowListener {
 public:
  virtual ~ReplyWindowListener() = default;
  virtual void window_opened(const ReplyWindow& /*window*/) {}
  // While the thread waits in the window, at least every kWaitSliceMs, and
  // each time a search finds a device.
  virtual void window_waiting(const ReplyWindow& /*window*/, int /*remaining_ms*/) {}
  virtual void window_closed(const ReplyWindow& /*window*/, ReplyWindowOutcome /*outcome*/, int /*elapsed_ms*/) {}
};

// Listens to this thread's windows for as long as it lives.
class ReplyWindowListening {
 public:
  explicit ReplyWindowListening(ReplyWindowListener& listener);
  ~ReplyWindowListening();
  ReplyWindowListening(const ReplyWindowListening&) = delete;
  ReplyWindowListening& operator=(const ReplyWindowListening&) = delete;

 private:
  ReplyWindowListener& listener_;
};

// One window, opened by an exchange for as long as it waits. Closing is
// explicit; a window left open when the exchange returns closes as
// NothingAccepted. Windows do not nest: one opened inside another is not
// announced.
class OpenReplyWindow {
 public:
  // The request says whom it asks (type, id) and what (code); device, when
  // given, adds where.
  OpenReplyWindow(ReplyWindowKind kind, const char* purpose, ByteView request, int window_ms,
                  const DeviceEntry* device = nullptr);
  ~OpenReplyWindow();
  OpenReplyWindow(const OpenReplyWindow&) = delete;
  OpenReplyWindow& operator=(const OpenReplyWindow&) = delete;

  void found_device();
  void close(ReplyWindowOutcome outcome);

 private:
  ReplyWindow window_;
  bool announced_ = false;
  bool closed_ = false;
};

// For the wait primitive: whether this thread waits in a listened window,
// and the call that tells the listeners how much of it is left.
bool waiting_in_listened_window();
void report_waiting(int remaining_ms);

}  // namespace vela
