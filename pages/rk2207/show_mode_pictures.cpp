#include "rk2207/show_mode_pictures.h"

#include <QPainter>

#include "rk2207_show_modes.h"
#include "skin.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

// The output picture in the key's face, 3:2 like the canvas, each window
// drawn in table order so that picture-in-picture windows lie on top.
void draw_mode_key(QPainter& p, QSize size, int mode, ButtonLook look) {
  const QRectF key(0, 0, size.width(), size.height());
  const ButtonFace face = paint_button_body(p, key, look);
  // The same room on every look, clear of the selected key's tally bar.
  const QRectF room = key.adjusted(9, 7, -9, -10);
  const qreal scale = qMin(room.width() / rk2207::kCanvasWidth, room.height() / rk2207::kCanvasHeight);
  const QSizeF picture(rk2207::kCanvasWidth * scale, rk2207::kCanvasHeight * scale);
  const QRectF frame(room.center() - QPointF(picture.width() / 2, picture.height() / 2), picture);
  const bool selected = look == ButtonLook::selected;
  const QColor ink = selected ? style::accent : face.ink;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(style::translucent(face.ink, 90), 1.0));
  p.setBrush(style::translucent(style::well, 200));
  p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
  QFont font = key_font(9);
  p.setFont(font);
  for (const WindowSlot& slot : rk2207::show_mode_slots(static_cast<std::uint8_t>(mode))) {
    if (!slot.drawn()) continue;
    const QRectF cell(frame.left() + slot.x * scale, frame.top() + slot.y * scale, slot.width * scale,
                      slot.height * scale);
    const QRectF inside = cell.adjusted(1, 1, -1, -1);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(selected ? QColor(0x1f, 0x4d, 0x70) : QColor(0x4a, 0x50, 0x59));
    p.drawRect(inside.adjusted(0.5, 0.5, -0.5, -0.5));
    if (inside.height() >= 12) {
      p.setPen(selected ? style::white : face.ink);
      p.drawText(inside, Qt::AlignCenter, QString::number(slot.label));
    }
  }
  p.restore();
}

void draw_background(QPainter& p, QSize size) { paint_surface(p, QRectF(0, 0, size.width(), size.height())); }

}  // namespace

void register_show_mode_pictures() {
  using namespace show_mode_picture;
  Skin::register_drawer(background, background_size, draw_background);
  for (int m = 0; m < rk2207::kModeButtonCount; ++m) {
    Skin::register_drawer(normal(m), size, [m](QPainter& p, QSize s) { draw_mode_key(p, s, m, ButtonLook::normal); });
    Skin::register_drawer(selected(m), size,
                          [m](QPainter& p, QSize s) { draw_mode_key(p, s, m, ButtonLook::selected); });
  }
}

}  // namespace vela
