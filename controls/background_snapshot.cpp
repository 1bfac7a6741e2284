#include "background_snapshot.h"

#include <QPainter>
#include <QWidget>

#include <vector>

namespace vela {

QPixmap snapshot_behind(const QWidget* control) {
  QPixmap shot(control->size());
  if (shot.isNull()) return shot;
  shot.fill(Qt::transparent);

  std::vector<QWidget*> chain;
  for (QWidget* w = control->parentWidget(); w; w = w->isWindow() ? nullptr : w->parentWidget()) chain.push_back(w);

  // Top-level first, so that each ancestor paints over the one beneath it.
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    QWidget* ancestor = *it;
    const QPoint origin = control->mapTo(ancestor, QPoint(0, 0));
    const QRect area(origin, control->size());
    QWidget::RenderFlags flags;
    if (ancestor->isWindow() || ancestor->autoFillBackground()) flags |= QWidget::DrawWindowBackground;
    ancestor->render(&shot, QPoint(0, 0), QRegion(area), flags);
  }
  return shot;
}

const QPixmap& BackgroundSnapshot::get(const QWidget* control) {
  const QRect here(control->mapTo(control->window(), QPoint(0, 0)), control->size());
  if (m_pixmap.isNull() || here != m_taken_at) {
    m_pixmap = snapshot_behind(control);
    m_taken_at = here;
  }
  return m_pixmap;
}

}  // namespace vela
