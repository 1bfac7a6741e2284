#include "rk2207/show_mode_preview.h"

#include <QFontMetrics>
#include <QPainter>

#include "rk2207_show_modes.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {

QImage make_show_mode_canvas() { return QImage(rk2207::kCanvasWidth, rk2207::kCanvasHeight, QImage::Format_RGB32); }

void paint_show_mode_preview(QImage& canvas, const WindowSlots& windows) {
  QPainter p(&canvas);
  p.fillRect(canvas.rect(), style::preview::ground);
  const QFont font = skin_font(12, false);
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(style::preview::slot_label);
  for (const WindowSlot& s : windows) {
    if (!s.drawn()) continue;
    p.fillRect(QRect(s.x, s.y, s.width, s.height), style::preview::window_rim);
    p.fillRect(QRect(s.x + 2, s.y + 2, s.width - 4, s.height - 4), style::preview::window_inside);
    p.drawText(QPoint(s.x + s.width / 2 - 5, s.y + s.height / 2 - 5 + metrics.ascent()), QString::number(s.label));
  }
}

}  // namespace vela
