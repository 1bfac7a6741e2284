#include "skin_paint.h"

#include "skin_text.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace vela {

namespace {

qreal key_radius(const QRectF& r) { return qBound(2.0, qMin(r.width(), r.height()) / 9.0, 7.0); }

QColor with_alpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

bool is_light(const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue() > 135; }

void fill_rounded(QPainter& p, const QRectF& r, qreal radius, const QBrush& brush) {
  p.setPen(Qt::NoPen);
  p.setBrush(brush);
  p.drawRoundedRect(r, radius, radius);
}

// A one-pixel highlight along the top of a rounded face.
void paint_shine(QPainter& p, const QRectF& inner, qreal radius, const QColor& colour) {
  p.setPen(QPen(colour, 1.0));
  p.setBrush(Qt::NoBrush);
  const qreal y = inner.top() + 0.5;
  p.drawLine(QPointF(inner.left() + radius, y), QPointF(inner.right() - radius, y));
}

ButtonFace paint_normal(QPainter& p, const QRectF& face, qreal radius) {
  fill_rounded(p, face, radius, style::face_rim);
  const QRectF inner = face.adjusted(1, 1, -1, -1);
  QLinearGradient g(inner.topLeft(), inner.bottomLeft());
  g.setColorAt(0, style::face_top);
  g.setColorAt(1, style::face_bottom);
  fill_rounded(p, inner, radius - 1, g);
  paint_shine(p, inner, radius, with_alpha(style::face_shine, 200));
  return {inner, style::caption};
}

ButtonFace paint_lit(QPainter& p, const QRectF& face, qreal radius, const QColor& lamp, qreal glow) {
  // Halo around the key.
  for (int i = 1; i <= static_cast<int>(glow); ++i) {
    p.setPen(QPen(with_alpha(lamp, 110 / i), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(-i + 0.5, -i + 0.5, i - 0.5, i - 0.5), radius + i, radius + i);
  }
  fill_rounded(p, face, radius, lamp.darker(190));
  const QRectF inner = face.adjusted(1, 1, -1, -1);
  QLinearGradient g(inner.topLeft(), inner.bottomLeft());
  g.setColorAt(0, lamp.lighter(122));
  g.setColorAt(0.55, lamp);
  g.setColorAt(1, lamp.darker(122));
  fill_rounded(p, inner, radius - 1, g);
  // Diffuser hot spot: light from behind the key cap.
  QRadialGradient spot(inner.center().x(), inner.top() + inner.height() * 0.35, inner.width() * 0.6);
  spot.setColorAt(0, QColor(255, 255, 255, 60));
  spot.setColorAt(1, QColor(255, 255, 255, 0));
  fill_rounded(p, inner, radius - 1, spot);
  paint_shine(p, inner, radius, QColor(255, 255, 255, 120));
  return {inner, is_light(lamp) ? style::ink_on_light : QColor(0xff, 0xff, 0xff)};
}

ButtonFace paint_selected(QPainter& p, const QRectF& face, qreal radius) {
  fill_rounded(p, face, radius, style::accent);
  const QRectF inner = face.adjusted(2, 2, -2, -2);
  const QRectF room = face.adjusted(1, 1, -1, -1);  // as on the other looks
  QLinearGradient g(inner.topLeft(), inner.bottomLeft());
  g.setColorAt(0, QColor(0x2a, 0x3e, 0x53));
  g.setColorAt(1, QColor(0x1b, 0x29, 0x38));
  fill_rounded(p, inner, qMax(1.0, radius - 2), g);
  paint_shine(p, inner, radius, QColor(0x6c, 0xc4, 0xff, 90));
  // Tally bar along the bottom edge.
  const qreal bar_h = qBound(2.0, inner.height() / 16.0, 4.0);
  const qreal inset = qMin(inner.width() / 5.0, 12.0);
  const QRectF bar(inner.left() + inset, inner.bottom() - bar_h - 3, inner.width() - 2 * inset, bar_h);
  fill_rounded(p, bar, bar_h / 2, style::accent);
  return {room.adjusted(0, 0, 0, -(bar_h + 2)), QColor(0xdc, 0xf1, 0xff)};
}

}  // namespace

ButtonFace paint_button_body(QPainter& p, const QRectF& rect, ButtonLook look, const QColor& lamp) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal margin = qMin(rect.width(), rect.height()) >= 40 ? 3.0 : 2.0;
  const QRectF face = rect.adjusted(margin, margin, -margin, -margin);
  const qreal radius = key_radius(face);

  // Contact shadow under every key.
  fill_rounded(p, face.translated(0, 1), radius, QColor(4, 5, 7, 150));

  ButtonFace result;
  switch (look) {
    case ButtonLook::normal:
      result = paint_normal(p, face, radius);
      break;
    case ButtonLook::lit:
      result = paint_lit(p, face, radius, lamp, margin);
      break;
    case ButtonLook::selected:
      result = paint_selected(p, face, radius);
      break;
  }
  p.restore();
  return result;
}

void paint_panel_button(QPainter& p, const QRectF& rect, const QString& caption, ButtonLook look, const QColor& lamp,
                        qreal caption_px) {
  const ButtonFace face = paint_button_body(p, rect, look, lamp);
  const QRectF& c = face.content;
  const qreal pad = qBound(3.0, c.width() / 16.0, 8.0);
  const QRectF box = c.adjusted(pad, pad / 2, -pad, -pad / 2);
  const qreal size = caption_px > 0 ? caption_px : qBound(10.0, c.height() * 0.30, 20.0);
  paint_fitted_text(p, box, caption, face.ink, key_font(size));
}

void paint_surface(QPainter& p, const QRectF& rect) {
  QLinearGradient g(rect.topLeft(), rect.bottomLeft());
  g.setColorAt(0, style::surface_top);
  g.setColorAt(1, style::surface_bottom);
  p.fillRect(rect, g);
}

void paint_well(QPainter& p, const QRectF& rect, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // Light lower edge, dark upper edge: the area sits below the surface.
  fill_rounded(p, rect, radius, style::hairline);
  fill_rounded(p, rect.adjusted(0, 0, 0, -1), radius, style::groove);
  const QRectF inner = rect.adjusted(1, 1, -1, -1);
  fill_rounded(p, inner, qMax(0.0, radius - 1), style::well);
  QLinearGradient shade(inner.topLeft(), inner.topLeft() + QPointF(0, 10));
  shade.setColorAt(0, QColor(2, 3, 4, 110));
  shade.setColorAt(1, QColor(2, 3, 4, 0));
  fill_rounded(p, QRectF(inner.topLeft(), QSizeF(inner.width(), qMin(10.0, inner.height()))), qMax(0.0, radius - 1),
               shade);
  p.restore();
}

void paint_groove(QPainter& p, qreal x1, qreal x2, qreal y) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(style::groove);
  p.drawLine(QPointF(x1, y), QPointF(x2, y));
  p.setPen(style::hairline);
  p.drawLine(QPointF(x1, y + 1), QPointF(x2, y + 1));
  p.restore();
}

void paint_section_frame(QPainter& p, const QRectF& rect, const QString& caption) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QFont font = [] {
    QFont f = skin_font(11, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    return f;
  }();
  const QFontMetricsF fm(font);
  const qreal top = rect.top() + (caption.isEmpty() ? 0.5 : qRound(fm.capHeight() / 2) + 0.5);
  const QRectF frame(rect.left() + 0.5, top, rect.width() - 1, rect.bottom() - top - 0.5);
  const qreal radius = 6;

  QPainterPath outline;
  outline.addRoundedRect(frame, radius, radius);
  p.fillPath(outline, QColor(255, 255, 255, 6));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(style::hairline, 1.0));
  if (caption.isEmpty()) {
    p.drawPath(outline);
    p.restore();
    return;
  }
  // Leave a gap in the top edge for the caption.
  const qreal text_x = frame.left() + 14;
  const qreal gap = fm.horizontalAdvance(caption) + 12;
  p.save();
  QPainterPath clip;
  clip.addRect(rect.adjusted(-1, -1, 1, 1));
  QPainterPath hole;
  hole.addRect(QRectF(text_x - 6, rect.top() - 1, gap, fm.height() + 1));
  p.setClipPath(clip.subtracted(hole));
  p.drawPath(outline);
  p.restore();

  p.setFont(font);
  p.setPen(style::caption_dim);
  p.drawText(QPointF(text_x, rect.top() + fm.capHeight()), caption);
  p.restore();
}

}  // namespace vela
