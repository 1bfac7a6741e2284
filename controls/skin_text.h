#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace vela {

// The skin's font at a pixel size (DejaVu Sans, CJK text falls back to
// WenQuanYi Micro Hei).
QFont skin_font(qreal pixel_size, bool bold = true);
// The narrower face printed on keys.
QFont key_font(qreal pixel_size);

// Draws `text` centred in `box` in `font`, at most at the font's pixel size,
// shrinking it (and breaking it onto two lines at a space when that allows a
// larger size) until it fits, so that a caption is never clipped. A '\n' in
// the text forces the line break.
void paint_fitted_text(QPainter& p, const QRectF& box, const QString& text, const QColor& ink, const QFont& font);

// Small letter-spaced capitals, left-aligned and vertically centred in box,
// as printed labels on a hardware panel.
void paint_label(QPainter& p, const QRectF& box, const QString& text, const QColor& ink, qreal pixel_size = 10.0,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace vela
