#include "skin/shell_bitmaps.h"

#include "skin.h"
#include "skin_glyphs.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vela {

namespace {

// Main window geometry the background is drawn around (client pixels).
constexpr QRectF header_band(0, 0, 1280, 40);
constexpr QRectF page_well(shell_layout::page_area);
constexpr QRectF status_strip(0, 690, 1280, 30);
constexpr qreal device_row_centre = QRectF(shell_layout::device_list).center().y();

// Drawers are written for the natural size and scaled when asked for another.
void scale_to(QPainter& p, QSize natural, QSize size) {
  if (natural != size) p.scale(qreal(size.width()) / natural.width(), qreal(size.height()) / natural.height());
}

void draw_header(QPainter& p) {
  p.fillRect(header_band, style::band);
  paint_groove(p, 0, 1280, header_band.bottom());

  paint_sail_mark(p, QRectF(20, 8, 22, 24), style::accent, style::accent.darker(150));
  QFont word = skin_font(23, true);
  word.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
  p.setFont(word);
  p.setPen(style::caption);
  p.drawText(QPointF(50, 28), QStringLiteral("vela"));

  p.setPen(style::hairline);
  p.drawLine(QPointF(111.5, 12), QPointF(111.5, 28));
  paint_label(p, QRectF(124, 0, 400, 40), QStringLiteral("VIDEO CONTROL PANEL"), style::caption_dim, 10);
}

void draw_device_row(QPainter& p) {
  paint_label(p, QRectF(22, device_row_centre - 10, 56, 20), QStringLiteral("DEVICE"), style::caption_dim, 10);
}

void draw_idle_well(QPainter& p) {
  paint_well(p, page_well, 4);
  // Seen only while no device page covers the well.
  const QPointF c = page_well.center();
  paint_sail_mark(p, QRectF(c.x() - 36, c.y() - 84, 72, 78), style::watermark, style::watermark_shade);
  paint_fitted_text(p, QRectF(page_well.left(), c.y() + 8, page_well.width(), 24), QStringLiteral("No device selected"),
                    style::caption_faint, skin_font(17));
  paint_fitted_text(p, QRectF(page_well.left(), c.y() + 38, page_well.width(), 18),
                    QStringLiteral("Choose a device from the list, or press SCAN to search."), style::caption_hint,
                    skin_font(12, false));
}

void draw_status_strip(QPainter& p) {
  p.fillRect(status_strip, style::band);
  const QRectF caption = QRectF(shell_layout::connection_caption).adjusted(4, 0, 104, 0);
  paint_label(p, caption, QStringLiteral("CONNECTION"), style::caption_dim, 10);
}

void draw_main_background(QPainter& p, QSize size) {
  scale_to(p, QSize(1280, 720), size);
  paint_surface(p, QRectF(0, 0, 1280, 720));
  draw_header(p);
  draw_device_row(p);
  draw_idle_well(p);
  draw_status_strip(p);
}

void draw_connection_background(QPainter& p, QSize size) {
  scale_to(p, QSize(480, 400), size);
  const QRectF all(0, 0, 480, 400);
  paint_surface(p, all);
  p.fillRect(QRectF(0, 0, 480, 2), style::accent);
  p.setPen(style::hairline);
  p.setBrush(Qt::NoBrush);
  p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
}

void draw_scan_button(QPainter& p, QSize size) {
  scale_to(p, QSize(138, 50), size);
  const ButtonFace face = paint_button_body(p, QRectF(0, 0, 138, 50), ButtonLook::normal);
  const QString caption = QStringLiteral("SCAN");
  QFont font = skin_font(15, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
  const QFontMetricsF fm(font);
  const qreal glyph = 17;
  const qreal gap = 10;
  const qreal text_w = fm.tightBoundingRect(caption).width() + 1.5 * (caption.size() - 1);
  const qreal left = qRound(face.content.center().x() - (glyph + gap + text_w) / 2);
  const qreal mid = face.content.center().y();
  paint_search_glyph(p, QRectF(left, mid - glyph / 2, glyph, glyph), style::accent);
  p.setFont(font);
  p.setPen(face.ink);
  p.drawText(QPointF(left + glyph + gap, qRound(mid + fm.capHeight() / 2)), caption);
}

// Window buttons sit on the header band: opaque band colour behind the glyph.
void draw_window_button(QPainter& p, QSize size, WindowGlyph glyph, const QColor& ink) {
  p.fillRect(QRect(QPoint(0, 0), size), style::band);
  paint_window_glyph(p, QRectF(0, 0, size.width(), size.height()), glyph, ink);
}

void draw_set_button(QPainter& p, QSize size) {
  p.fillRect(QRect(QPoint(0, 0), size), style::band);
  const qreal side = qMin(size.width(), size.height()) * 0.68;
  paint_gear(p, QRectF((size.width() - side) / 2, (size.height() - side) / 2, side, side), style::caption_dim);
}

void draw_program_icon(QPainter& p, QSize size) {
  scale_to(p, QSize(256, 256), size);
  const QRectF tile(8, 8, 240, 240);
  QLinearGradient g(tile.topLeft(), tile.bottomLeft());
  g.setColorAt(0, style::tile_top);
  g.setColorAt(1, style::tile_bottom);
  p.setPen(QPen(style::outline, 2));
  p.setBrush(g);
  p.drawRoundedRect(tile, 52, 52);
  p.setPen(QPen(style::translucent(style::white, 40), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 49, 49);
  paint_sail_mark(p, QRectF(58, 46, 140, 152), style::accent, style::accent.darker(150));
  p.setPen(Qt::NoPen);
  p.setBrush(style::accent);
  p.drawRoundedRect(QRectF(78, 214, 100, 8), 4, 4);
}

}  // namespace

void register_shell_bitmaps() {
  using namespace shell_bitmap;
  Skin::register_drawer(main_background, QSize(1280, 720), draw_main_background);
  Skin::register_drawer(connection_background, QSize(480, 400), draw_connection_background);
  Skin::register_drawer(scan_button, QSize(138, 50), draw_scan_button);
  Skin::register_drawer(min_button, QSize(47, 35), [](QPainter& p, QSize s) {
    draw_window_button(p, s, WindowGlyph::minimise, style::caption_dim);
  });
  Skin::register_drawer(max_button, QSize(34, 35), [](QPainter& p, QSize s) {
    draw_window_button(p, s, WindowGlyph::maximise, style::caption_dim);
  });
  Skin::register_drawer(close_button, QSize(42, 35),
                        [](QPainter& p, QSize s) { draw_window_button(p, s, WindowGlyph::close, style::caption); });
  Skin::register_drawer(set_button, QSize(25, 30), draw_set_button);
  register_lamp_icon(status_disconnected, status_icon_size, style::lamp_red, false);
  register_lamp_icon(status_connected, status_icon_size, style::lamp_green, true);
  Skin::register_drawer(program_icon, QSize(256, 256), draw_program_icon, ImageKind::icon);
}

}  // namespace vela
