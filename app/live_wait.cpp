#include "live_wait.h"

#include <QCoreApplication>
#include <QEvent>

namespace vela {

LiveWait::LiveWait() : listening_(*this) {}

void LiveWait::window_opened(const ReplyWindow&) {
  // What the request's own click left to paint (a key let go) is shown now.
  paint_pending();
}

void LiveWait::window_waiting(const ReplyWindow&, int) { paint_pending(); }

void LiveWait::paint_pending() {
  // Widgets ask for painting with a posted update request; delivering those
  // alone paints every dirty widget and leaves every other event queued.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

}  // namespace vela
