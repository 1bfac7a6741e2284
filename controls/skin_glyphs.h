#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vela {

enum class WindowGlyph { minimise, maximise, close };

// Line glyphs, drawn centred in `box` with the given ink.
void paint_window_glyph(QPainter& p, const QRectF& box, WindowGlyph glyph, const QColor& ink);
void paint_gear(QPainter& p, const QRectF& box, const QColor& ink);
void paint_search_glyph(QPainter& p, const QRectF& box, const QColor& ink);

// A panel lamp: bezel and lens. Lit lamps glow in their colour; unlit ones
// show a dark lens tinted with it.
void paint_lamp(QPainter& p, const QRectF& box, const QColor& colour, bool lit);
// Registers a lamp as an icon picture of the skin.
void register_lamp_icon(int id, QSize size, const QColor& colour, bool lit);

// The product mark: a sail.
void paint_sail_mark(QPainter& p, const QRectF& box, const QColor& main, const QColor& jib);

}  // namespace vela
