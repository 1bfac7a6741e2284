#include "first_frame_report.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace vela {

FirstFrameReport::FirstFrameReport(QWidget* window, std::function<void()> then)
    : QObject(window), then_(std::move(then)) {
  window->installEventFilter(this);
}

bool FirstFrameReport::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    // The paint event comes before the window's pixels are drawn and flushed;
    // the queued call runs once that whole update is done.
    QTimer::singleShot(0, this, [this] {
      std::printf("first frame: %lld widgets\n", static_cast<long long>(QApplication::allWidgets().size()));
      std::fflush(stdout);
      then_();
    });
  }
  return false;
}

}  // namespace vela
