#pragma once
// Watching the window thread's reply windows from a test: which opened and
// closed in what order, a look at the window at every slice of a wait, and
// paint events counted on a widget.
#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "reply_window.h"

namespace vela::test {

// Registered after the panel's own listeners, so it sees each slice after
// they have drawn it.
class WaitWatch : public ReplyWindowListener {
 public:
  // "open <purpose>" and "close <purpose>", in order.
  std::vector<std::string> events;
  // Called at every slice of every wait.
  std::function<void(const ReplyWindow&, int remaining_ms)> on_slice;
  std::function<void(const ReplyWindow&)> on_close;

  void window_opened(const ReplyWindow& window) override { events.push_back(std::string("open ") + window.purpose); }
  void window_waiting(const ReplyWindow& window, int remaining_ms) override {
    if (on_slice) on_slice(window, remaining_ms);
  }
  void window_closed(const ReplyWindow& window, ReplyWindowOutcome, int) override {
    events.push_back(std::string("close ") + window.purpose);
    if (on_close) on_close(window);
  }

 private:
  ReplyWindowListening listening_{*this};
};

// Counts the paint events a widget receives.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

// Posts a left click on the widget's centre: it waits in the window thread's
// queue like a click the window system delivers.
inline void post_click(QWidget* widget) {
  const QPointF at = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(at);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QCoreApplication::postEvent(widget, new QMouseEvent(type, at, global, Qt::LeftButton, held, Qt::NoModifier));
  }
}

}  // namespace vela::test
