#include "skin_keys.h"

#include "skin.h"

#include <QPainter>

namespace vela {

void register_key(int id, QSize size, const QString& caption, ButtonLook look, const QColor& lamp, qreal caption_px) {
  Skin::register_drawer(id, size, [=](QPainter& p, QSize at) {
    // Keys keep their proportions: caption sizes follow the drawn size.
    const qreal scale = qreal(at.height()) / size.height();
    paint_panel_button(p, QRectF(QPointF(0, 0), QSizeF(at)), caption, look, lamp, caption_px * scale);
  });
}

}  // namespace vela
