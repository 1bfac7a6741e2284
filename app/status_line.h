#pragma once
// The status line at the foot of the main window: a lamp and a sentence
// saying what the link is doing and last did. It listens to the reply
// windows of the thread that makes it (the window thread) and adds to the
// message boxes, never replaces them.
#include <QWidget>

#include "reply_window.h"
#include "status_line_text.h"

namespace vela {

class StatusLine : public QWidget {
  Q_OBJECT
 public:
  explicit StatusLine(QWidget* parent);

  LinkStatusText& text() { return text_; }
  QString shown_text() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  LinkStatusText text_;
  ReplyWindowListening listening_{text_};
};

}  // namespace vela
