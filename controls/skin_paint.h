#pragma once

#include "skin_style.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace vela {

// The three pictures of a key: not active, lit (filled with its lamp colour,
// glowing) and selected (accent rim, tinted face, tally bar).
enum class ButtonLook { normal, lit, selected };

struct ButtonFace {
  QRectF content;  // where a caption or drawing goes
  QColor ink;      // the caption / drawing colour that reads on this face
};

// The key body without caption; returns where the content goes and its ink.
ButtonFace paint_button_body(QPainter& p, const QRectF& rect, ButtonLook look, const QColor& lamp = style::accent);

// A complete captioned key: body plus a fitted caption. The caption size
// follows the key height unless `caption_px` gives it (a family of keys that
// should share one size passes the same value); it only shrinks to fit.
void paint_panel_button(QPainter& p, const QRectF& rect, const QString& caption, ButtonLook look,
                        const QColor& lamp = style::accent, qreal caption_px = 0);

// Window surface: the charcoal gradient of panels and page backgrounds.
void paint_surface(QPainter& p, const QRectF& rect);

// A recessed area (page well, display windows).
void paint_well(QPainter& p, const QRectF& rect, qreal radius = 4.0);

// An engraved horizontal line (dark groove over a light edge).
void paint_groove(QPainter& p, qreal x1, qreal x2, qreal y);

// A rounded group frame with its caption set into the top edge, as printed
// on a control surface ("PGM", "INPUT"...). An empty caption gives a plain frame.
void paint_section_frame(QPainter& p, const QRectF& rect, const QString& caption);

}  // namespace vela
