#pragma once

#include <QPixmap>
#include <QRect>

class QWidget;

namespace vela {

// A copy of what lies behind `control` in its window: the own drawing of every
// ancestor, from the top-level window down to the parent, clipped to the
// control's rectangle. Siblings and the control itself are not included, so
// the copy can be taken from inside the control's own paint event.
QPixmap snapshot_behind(const QWidget* control);

// The copy a transparent control keeps: taken on first use and reused at
// every drawing. It is retaken only after drop(), or when the control no
// longer sits where the copy was taken.
class BackgroundSnapshot {
 public:
  const QPixmap& get(const QWidget* control);
  void drop() { m_pixmap = QPixmap(); }
  bool valid() const { return !m_pixmap.isNull(); }

 private:
  QPixmap m_pixmap;
  QRect m_taken_at;  // the control's rectangle in its window when taken
};

}  // namespace vela
