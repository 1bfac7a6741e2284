#pragma once
// Shown while the window thread waits longer than an operator would accept
// without a sign: a wait cursor and a short text over the page, painted once
// before the wait and removed after it.
#include <QString>

class QLabel;
class QWidget;

namespace vela {

class WaitNotice {
 public:
  WaitNotice(QWidget* over, const QString& text);
  ~WaitNotice();
  WaitNotice(const WaitNotice&) = delete;
  WaitNotice& operator=(const WaitNotice&) = delete;

 private:
  QLabel* label_ = nullptr;
};

}  // namespace vela
