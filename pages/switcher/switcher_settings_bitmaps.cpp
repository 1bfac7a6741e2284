#include "switcher/switcher_settings_bitmaps.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "skin.h"
#include "skin_paint.h"
#include "skin_style.h"

namespace vela {
namespace {

constexpr qreal kBlockShare = 0.38;  // of the picture, on the side the wipe starts from
constexpr qreal kHeadLength = 7.0;
constexpr qreal kHeadHalfWidth = 4.5;

QPointF direction(WipeArrow arrow) {
  switch (arrow) {
    case WipeArrow::up_left:
      return {-1, -1};
    case WipeArrow::up:
      return {0, -1};
    case WipeArrow::up_right:
      return {1, -1};
    case WipeArrow::left:
      return {-1, 0};
    case WipeArrow::right:
      return {1, 0};
    case WipeArrow::down_left:
      return {-1, 1};
    case WipeArrow::down:
      return {0, 1};
    case WipeArrow::down_right:
      return {1, 1};
    case WipeArrow::out_left_right:
      break;
  }
  return {0, 0};
}

// The new picture's block: on the edge or in the corner the wipe starts from.
QRectF start_block(const QRectF& picture, QPointF d) {
  const qreal w = picture.width() * (d.x() == 0 ? 1.0 : kBlockShare);
  const qreal h = picture.height() * (d.y() == 0 ? 1.0 : kBlockShare);
  const qreal x = d.x() < 0 ? picture.right() - w : picture.left();
  const qreal y = d.y() < 0 ? picture.bottom() - h : picture.top();
  return {x, y, w, h};
}

void paint_arrow(QPainter& p, QPointF from, QPointF to, const QColor& ink) {
  const QLineF line(from, to);
  const QPointF unit = (to - from) / line.length();
  const QPointF normal(-unit.y(), unit.x());
  const QPointF base = to - unit * kHeadLength;
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QLineF(from, base + unit));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPolygon(QPolygonF({to, base + normal * kHeadHalfWidth, base - normal * kHeadHalfWidth}));
}

void draw_wipe_button(QPainter& p, QSize size, WipeArrow arrow, bool lit) {
  const ButtonFace face = paint_button_body(p, QRectF(0, 0, size.width(), size.height()),
                                            lit ? ButtonLook::lit : ButtonLook::normal, style::accent);
  const QRectF picture = face.content.adjusted(6, 6, -6, -6);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(style::translucent(face.ink, 110), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(picture.adjusted(0.5, 0.5, -0.5, -0.5));

  const QPointF c = picture.center();
  p.setPen(Qt::NoPen);
  p.setBrush(style::translucent(face.ink, 70));
  if (arrow == WipeArrow::out_left_right) {
    const qreal band = picture.width() * 0.28;
    p.drawRect(QRectF(c.x() - band / 2, picture.top(), band, picture.height()));
    paint_arrow(p, c, QPointF(picture.left() + 1, c.y()), face.ink);
    paint_arrow(p, c, QPointF(picture.right() - 1, c.y()), face.ink);
    p.restore();
    return;
  }
  const QPointF d = direction(arrow);
  const QRectF block = start_block(picture, d);
  p.drawRect(block);
  // From the block's middle across the picture, ending short of its far side.
  const QPointF from(d.x() == 0 ? c.x() : block.center().x(), d.y() == 0 ? c.y() : block.center().y());
  const QPointF to(d.x() < 0   ? picture.left() + 2
                   : d.x() > 0 ? picture.right() - 2
                               : c.x(),
                   d.y() < 0   ? picture.top() + 2
                   : d.y() > 0 ? picture.bottom() - 2
                               : c.y());
  paint_arrow(p, from, to, face.ink);
  p.restore();
}

}  // namespace

void register_switcher_settings_bitmaps() {
  for (const WipePattern& pattern : kWipePatterns) {
    const WipeArrow arrow = pattern.arrow;
    Skin::register_drawer(pattern.normal_bitmap, kWipePatternSize,
                          [arrow](QPainter& p, QSize s) { draw_wipe_button(p, s, arrow, false); });
    Skin::register_drawer(pattern.lit_bitmap, kWipePatternSize,
                          [arrow](QPainter& p, QSize s) { draw_wipe_button(p, s, arrow, true); });
  }
}

}  // namespace vela
