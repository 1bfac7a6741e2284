#include "skin_text.h"

#include "skin_style.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

namespace vela {

namespace {

QFont make_font(const QString& family, qreal pixel_size, bool bold) {
  QFont font(family);
  font.setFamilies({family, style::font_family, style::cjk_font_family});
  font.setPixelSize(qMax(1, qRound(pixel_size)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace

QFont skin_font(qreal pixel_size, bool bold) { return make_font(style::font_family, pixel_size, bold); }

QFont key_font(qreal pixel_size) { return make_font(style::condensed_font_family, pixel_size, true); }

namespace {

// The best split of text into two lines: the space that makes the longer line
// shortest. Empty when there is no space.
QStringList two_lines(const QString& text, const QFontMetricsF& fm) {
  QStringList best;
  qreal best_width = 0;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char(' ')) continue;
    const QString a = text.left(i).trimmed();
    const QString b = text.mid(i + 1).trimmed();
    if (a.isEmpty() || b.isEmpty()) continue;
    const qreal w = qMax(fm.horizontalAdvance(a), fm.horizontalAdvance(b));
    if (best.isEmpty() || w < best_width) {
      best = {a, b};
      best_width = w;
    }
  }
  return best;
}

bool fits(const QStringList& lines, const QFontMetricsF& fm, const QSizeF& room) {
  qreal width = 0;
  for (const QString& line : lines) width = qMax(width, fm.tightBoundingRect(line).width() + 1);
  return width <= room.width() && fm.height() * lines.size() <= room.height() + 1;
}

}  // namespace

void paint_fitted_text(QPainter& p, const QRectF& box, const QString& text, const QColor& ink, const QFont& base) {
  if (text.isEmpty() || box.isEmpty()) return;
  QStringList lines = text.split(QLatin1Char('\n'));
  QFont font = base;
  const qreal max_pixel_size = base.pixelSize() > 0 ? base.pixelSize() : 12;
  const bool explicit_lines = lines.size() > 1;
  for (qreal size = max_pixel_size; size >= 6; size -= 0.5) {
    font.setPixelSize(qRound(size));
    const QFontMetricsF fm(font);
    if (fits(lines, fm, box.size())) break;
    if (!explicit_lines && size < max_pixel_size * 0.8) {
      const QStringList split = two_lines(text, fm);
      if (!split.isEmpty() && fits(split, fm, box.size())) {
        lines = split;
        break;
      }
    }
  }

  p.save();
  p.setFont(font);
  p.setPen(ink);
  const QFontMetricsF fm(font);
  // Centre the capitals: descenders may hang below, as on printed keys.
  const qreal line_height = fm.height();
  const qreal cap = fm.capHeight();
  const qreal block = line_height * (lines.size() - 1) + cap;
  qreal baseline = box.top() + (box.height() - block) / 2 + cap;
  for (const QString& line : lines) {
    // Centre on the ink, not on the advance.
    const QRectF ink_box = fm.tightBoundingRect(line);
    const qreal x = box.left() + (box.width() - ink_box.width()) / 2 - ink_box.left();
    p.drawText(QPointF(qRound(x), qRound(baseline)), line);
    baseline += line_height;
  }
  p.restore();
}

void paint_label(QPainter& p, const QRectF& box, const QString& text, const QColor& ink, qreal pixel_size,
                 Qt::Alignment align) {
  QFont font = skin_font(pixel_size, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, pixel_size * 0.12);
  p.save();
  p.setFont(font);
  p.setPen(ink);
  p.drawText(box, align, text);
  p.restore();
}

}  // namespace vela
