#include "skin_glyphs.h"

#include "skin.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "skin_style.h"

#include <cmath>
#include <numbers>

namespace vela {

namespace {

QRectF centred_square(const QRectF& box, qreal side) {
  return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

QPen line_pen(const QColor& ink, qreal width) {
  QPen pen(ink, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

}  // namespace

void paint_window_glyph(QPainter& p, const QRectF& box, WindowGlyph glyph, const QColor& ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal side = qRound(qMin(box.width(), box.height()) * 0.36);
  // Snap to the pixel grid so that straight lines stay crisp.
  const QPointF c(std::floor(box.center().x()) + 0.5, std::floor(box.center().y()) + 0.5);
  const qreal h = std::floor(side / 2);
  switch (glyph) {
    case WindowGlyph::minimise:
      p.setPen(line_pen(ink, 1.0));
      p.drawLine(QPointF(c.x() - h, c.y() + h / 2), QPointF(c.x() + h, c.y() + h / 2));
      p.drawLine(QPointF(c.x() - h, c.y() + h / 2 - 1), QPointF(c.x() + h, c.y() + h / 2 - 1));
      break;
    case WindowGlyph::maximise:
      p.setPen(line_pen(ink, 1.0));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(c.x() - h, c.y() - h, 2 * h, 2 * h));
      p.drawLine(QPointF(c.x() - h, c.y() - h + 1), QPointF(c.x() + h, c.y() - h + 1));
      break;
    case WindowGlyph::close:
      p.setPen(line_pen(ink, 1.6));
      p.drawLine(QPointF(c.x() - h, c.y() - h), QPointF(c.x() + h, c.y() + h));
      p.drawLine(QPointF(c.x() + h, c.y() - h), QPointF(c.x() - h, c.y() + h));
      break;
  }
  p.restore();
}

void paint_gear(QPainter& p, const QRectF& box, const QColor& ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF sq = centred_square(box, qMin(box.width(), box.height()));
  const QPointF c = sq.center();
  const qreal outer = sq.width() / 2;
  const qreal root = outer * 0.74;
  const qreal hole = outer * 0.34;
  constexpr int teeth = 8;
  QPainterPath gear;
  for (int i = 0; i < teeth * 4; ++i) {
    // Per tooth: rise, top, fall, root; a slight taper looks machined.
    const qreal a = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
    const qreal r = (i % 4 == 1 || i % 4 == 2) ? outer : root;
    const qreal taper = (i % 4 == 1) ? 0.08 : (i % 4 == 2 ? -0.08 : 0);
    const QPointF pt(c.x() + r * std::cos(a + taper), c.y() + r * std::sin(a + taper));
    if (i == 0)
      gear.moveTo(pt);
    else
      gear.lineTo(pt);
  }
  gear.closeSubpath();
  gear.addEllipse(c, hole, hole);
  gear.setFillRule(Qt::OddEvenFill);
  p.fillPath(gear, ink);
  p.restore();
}

void paint_search_glyph(QPainter& p, const QRectF& box, const QColor& ink) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF sq = centred_square(box, qMin(box.width(), box.height()));
  const qreal stroke = qMax(1.5, sq.width() / 9);
  const qreal r = sq.width() * 0.30;
  const QPointF lens(sq.left() + stroke / 2 + r, sq.top() + stroke / 2 + r);
  p.setPen(line_pen(ink, stroke));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(lens, r, r);
  const qreal d = r / std::numbers::sqrt2;
  p.setPen(line_pen(ink, stroke * 1.35));
  p.drawLine(QPointF(lens.x() + d + stroke * 0.5, lens.y() + d + stroke * 0.5),
             QPointF(sq.right() - stroke * 0.7, sq.bottom() - stroke * 0.7));
  p.restore();
}

void paint_lamp(QPainter& p, const QRectF& box, const QColor& colour, bool lit) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF sq = centred_square(box, qMin(box.width(), box.height()));
  const QPointF c = sq.center();
  const qreal outer = sq.width() / 2;
  const qreal bezel = outer * (lit ? 0.78 : 0.84);
  const qreal lens = bezel * 0.78;

  if (lit) {
    QRadialGradient glow(c, outer);
    QColor g = colour;
    g.setAlpha(130);
    glow.setColorAt(0.55, g);
    g.setAlpha(0);
    glow.setColorAt(1.0, g);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, outer, outer);
  }
  // Metal bezel, lit from above.
  QLinearGradient ring(c.x(), c.y() - bezel, c.x(), c.y() + bezel);
  ring.setColorAt(0, QColor(0x6a, 0x71, 0x7b));
  ring.setColorAt(1, QColor(0x1f, 0x22, 0x27));
  p.setPen(QPen(style::outline, 1.0));
  p.setBrush(ring);
  p.drawEllipse(c, bezel, bezel);

  QRadialGradient glass(c.x() - lens * 0.3, c.y() - lens * 0.35, lens * 1.4);
  if (lit) {
    glass.setColorAt(0, colour.lighter(170));
    glass.setColorAt(0.45, colour);
    glass.setColorAt(1, colour.darker(160));
  } else {
    glass.setColorAt(0, colour.darker(190));
    glass.setColorAt(1, colour.darker(420));
  }
  p.setPen(QPen(QColor(0x10, 0x11, 0x14), 1.0));
  p.setBrush(glass);
  p.drawEllipse(c, lens, lens);

  // Specular highlight on the glass.
  QRadialGradient specular(c.x() - lens * 0.35, c.y() - lens * 0.4, lens * 0.55);
  specular.setColorAt(0, QColor(255, 255, 255, lit ? 170 : 70));
  specular.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(specular);
  p.drawEllipse(c, lens, lens);
  p.restore();
}

void paint_sail_mark(QPainter& p, const QRectF& box, const QColor& main, const QColor& jib) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = box.width();
  const qreal h = box.height();
  auto at = [&](qreal fx, qreal fy) { return QPointF(box.left() + fx * w, box.top() + fy * h); };
  QPainterPath mainsail;
  mainsail.moveTo(at(0.50, 0.00));
  mainsail.quadTo(at(0.86, 0.42), at(0.98, 0.80));
  mainsail.lineTo(at(0.50, 0.80));
  mainsail.closeSubpath();
  QPainterPath foresail;
  foresail.moveTo(at(0.42, 0.14));
  foresail.lineTo(at(0.42, 0.80));
  foresail.quadTo(at(0.12, 0.74), at(0.02, 0.80));
  foresail.quadTo(at(0.22, 0.44), at(0.42, 0.14));
  QPainterPath hull;
  hull.moveTo(at(0.02, 0.87));
  hull.lineTo(at(0.98, 0.87));
  hull.quadTo(at(0.86, 1.0), at(0.74, 1.0));
  hull.lineTo(at(0.20, 1.0));
  hull.quadTo(at(0.10, 1.0), at(0.02, 0.87));
  p.fillPath(mainsail, main);
  p.fillPath(foresail, jib);
  p.fillPath(hull, main);
  p.restore();
}

void register_lamp_icon(int id, QSize size, const QColor& colour, bool lit) {
  Skin::register_drawer(
      id, size,
      [colour, lit](QPainter& p, QSize s) { paint_lamp(p, QRectF(0, 0, s.width(), s.height()), colour, lit); },
      ImageKind::icon);
}

}  // namespace vela
