#include "switcher/switcher_bitmaps.h"

#include <QLinearGradient>
#include <QPainter>

#include "skin.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

namespace bitmap = switcher_bitmap;

// Every key of a family shares one caption size, so the buses read evenly.
constexpr qreal kBusCaptionPx = 22;
constexpr qreal kKeyCaptionPx = 15;

struct KeyPicture {
  int id;
  QSize size;
  const char* caption;
  ButtonLook look;
  QColor lamp;
};

QString bus_caption(int n) {
  if (n == 11) return QStringLiteral("BLK");
  if (n == 12) return QStringLiteral("MP1");
  return QString::number(n);
}

void register_key(const KeyPicture& key, qreal caption_px) {
  const QString caption = QString::fromUtf8(key.caption);
  Skin::register_drawer(key.id, key.size, [caption, key, caption_px](QPainter& p, QSize s) {
    paint_panel_button(p, QRectF(0, 0, s.width(), s.height()), caption, key.look, key.lamp, caption_px);
  });
}

void register_bus_keys() {
  for (int n = 1; n <= 12; ++n) {
    const QString caption = bus_caption(n);
    const struct {
      int id;
      ButtonLook look;
      QColor lamp;
    } looks[] = {{bitmap::bus_normal(n), ButtonLook::normal, style::accent},
                 {bitmap::bus_red(n), ButtonLook::lit, style::lamp_red},
                 {bitmap::bus_green(n), ButtonLook::lit, style::lamp_green}};
    for (const auto& look : looks) {
      Skin::register_drawer(look.id, bitmap::bus_size, [caption, look](QPainter& p, QSize s) {
        paint_panel_button(p, QRectF(0, 0, s.width(), s.height()), caption, look.look, look.lamp, kBusCaptionPx);
      });
    }
  }
}

void register_function_keys() {
  const QSize bus = bitmap::bus_size;
  const QSize large = bitmap::large_size;
  const KeyPicture keys[] = {
      {bitmap::auto_normal, large, "Auto", ButtonLook::normal, style::accent},
      {bitmap::auto_lit, large, "Auto", ButtonLook::lit, style::lamp_red},
      {bitmap::cut, large, "Cut", ButtonLook::normal, style::accent},
      {bitmap::ftb_normal, large, "FTB", ButtonLook::normal, style::accent},
      {bitmap::ftb_lit, large, "FTB", ButtonLook::lit, style::lamp_red},
      {bitmap::bkgd_normal, bus, "BKGD", ButtonLook::normal, style::accent},
      {bitmap::bkgd_lit, bus, "BKGD", ButtonLook::lit, style::lamp_yellow},
      {bitmap::dip_normal, bus, "DIP", ButtonLook::normal, style::accent},
      {bitmap::dip_lit, bus, "DIP", ButtonLook::lit, style::lamp_yellow},
      {bitmap::key1_normal, bus, "Luma KEY", ButtonLook::normal, style::accent},
      {bitmap::key1_lit, bus, "Luma KEY", ButtonLook::lit, style::lamp_yellow},
      {bitmap::key2_normal, bus, "Chroma KEY", ButtonLook::normal, style::accent},
      {bitmap::key2_lit, bus, "Chroma KEY", ButtonLook::lit, style::lamp_yellow},
      {bitmap::mix_normal, bus, "MIX", ButtonLook::normal, style::accent},
      {bitmap::mix_lit, bus, "MIX", ButtonLook::lit, style::lamp_yellow},
      {bitmap::on_air_normal, bus, "ON AIR", ButtonLook::normal, style::accent},
      {bitmap::on_air_lit, bus, "ON AIR", ButtonLook::lit, style::lamp_red},
      {bitmap::pip_normal, bus, "PIP", ButtonLook::normal, style::accent},
      {bitmap::pip_lit, bus, "PIP", ButtonLook::lit, style::lamp_yellow},
      {bitmap::wipe_normal, bus, "WIPE", ButtonLook::normal, style::accent},
      {bitmap::wipe_lit, bus, "WIPE", ButtonLook::lit, style::lamp_yellow},
  };
  for (const KeyPicture& key : keys) register_key(key, kKeyCaptionPx);
  Skin::register_drawer(bitmap::small_key, bitmap::small_key_size, [](QPainter& p, QSize s) {
    paint_button_body(p, QRectF(0, 0, s.width(), s.height()), ButtonLook::normal);
  });
}

// The groups printed on the surface, in page coordinates.
struct Group {
  QRectF frame;
  const char* caption;
};
constexpr Group kGroups[] = {
    {{3, 98, 364, 182}, "PGM"},           {{3, 318, 364, 182}, "PVM"},       {{387, 98, 226, 182}, "EFFECT"},
    {{387, 318, 226, 192}, "TRANSITION"}, {{922, 78, 266, 432}, "SETTINGS"},
};

void draw_background(QPainter& p, QSize size) {
  const QSizeF page = bitmap::page_size;
  p.scale(size.width() / page.width(), size.height() / page.height());
  const QRectF all(QPointF(0, 0), page);
  paint_surface(p, all);
  p.setRenderHint(QPainter::Antialiasing);
  paint_label(p, QRectF(14, 16, 600, 28), QStringLiteral("PRODUCTION SWITCHER"), style::caption, 15);
  paint_groove(p, 10, page.width() - 10, 60);
  for (const Group& group : kGroups) paint_section_frame(p, group.frame, QString::fromLatin1(group.caption));
  paint_label(p, QRectF(792, 398, 96, 16), QStringLiteral("FADE TO BLACK"), style::caption_dim, 9, Qt::AlignCenter);
  // The names of the two small keys, outside the pair.
  paint_label(p, QRectF(520, 547, 74, 16), QStringLiteral("SETUP"), style::caption_dim, 9,
              Qt::AlignRight | Qt::AlignVCenter);
  paint_label(p, QRectF(676, 547, 74, 16), QStringLiteral("NAMES"), style::caption_dim, 9,
              Qt::AlignLeft | Qt::AlignVCenter);
}

void draw_lever_channel(QPainter& p, QSize size) {
  const QSizeF natural = bitmap::lever_channel_size;
  p.scale(size.width() / natural.width(), size.height() / natural.height());
  p.setRenderHint(QPainter::Antialiasing);
  paint_well(p, QRectF(QPointF(0, 0), natural), 6);
  // The thumb's travel between the margins, with a scale on both sides.
  const qreal top = 30, bottom = natural.height() - 35, centre = 5 + natural.width() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(style::groove);
  p.drawRoundedRect(QRectF(centre - 5, top - 6, 10, bottom - top + 12), 5, 5);
  p.setPen(QPen(style::caption_faint, 1.0));
  for (int step = 0; step <= 10; ++step) {
    const qreal y = top + (bottom - top) * step / 10.0;
    const qreal reach = step % 5 == 0 ? 22 : 12;
    p.drawLine(QPointF(centre - 30 - reach, y), QPointF(centre - 30, y));
    p.drawLine(QPointF(centre + 30, y), QPointF(centre + 30 + reach, y));
  }
}

void draw_lever_thumb(QPainter& p, QSize size) {
  const QSizeF natural = bitmap::lever_thumb_size;
  p.scale(size.width() / natural.width(), size.height() / natural.height());
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(QPointF(0, 0), natural).adjusted(1, 4, -1, -4);
  QLinearGradient g(body.topLeft(), body.bottomLeft());
  g.setColorAt(0, style::face_shine);
  g.setColorAt(0.5, style::face_top);
  g.setColorAt(1, style::face_bottom);
  p.setPen(QPen(style::face_rim, 1.0));
  p.setBrush(g);
  p.drawRoundedRect(body, 5, 5);
  p.setPen(QPen(style::accent, 2.0));
  p.drawLine(QPointF(body.left() + 10, body.center().y()), QPointF(body.right() - 10, body.center().y()));
}

}  // namespace

void register_switcher_bitmaps() {
  register_bus_keys();
  register_function_keys();
  Skin::register_drawer(bitmap::background, bitmap::background_size, draw_background);
  Skin::register_drawer(bitmap::lever_channel, bitmap::lever_channel_size, draw_lever_channel);
  Skin::register_drawer(bitmap::lever_thumb, bitmap::lever_thumb_size, draw_lever_thumb);
}

}  // namespace vela
