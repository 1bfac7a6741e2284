#pragma once
// For start-up measurements: once a window's first paint has reached the
// screen, prints "first frame: N widgets" (every widget the application has
// made) on standard output and runs a follow-up, typically quitting.
#include <QObject>
#include <functional>

class QWidget;

namespace vela {

class FirstFrameReport : public QObject {
 public:
  FirstFrameReport(QWidget* window, std::function<void()> then);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> then_;
  bool painted_ = false;
};

}  // namespace vela
