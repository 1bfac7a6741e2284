#pragma once
// Keeps the window painting while the window thread waits in a reply window.
// Only paint work runs during the wait: input, timers, posted work, deferred
// deletes, socket notifiers and whatever the window system sends stay in
// Qt's queues and run after the wait, in their order, each once. So nothing
// the operator does and no timer (the status poll) can start an exchange
// inside another or pull a page from under the wait.
#include "reply_window.h"

namespace vela {

class LiveWait : public ReplyWindowListener {
 public:
  // Listens to the constructing thread's reply windows, which must be the
  // window thread, for as long as it lives.
  LiveWait();

  void window_opened(const ReplyWindow& window) override;
  void window_waiting(const ReplyWindow& window, int remaining_ms) override;

  // Paints what is due now and nothing else.
  static void paint_pending();

 private:
  ReplyWindowListening listening_;
};

}  // namespace vela
