#pragma once
// The switcher page's keys, shown over the page on a dimmed ground. F1,
// Escape or a click anywhere takes it away.
#include <QWidget>

namespace vela {

class SwitcherShortcutOverlay : public QWidget {
  Q_OBJECT
 public:
  explicit SwitcherShortcutOverlay(QWidget* page);

  void toggle();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace vela
