#include "matrix/matrix_bitmaps.h"

#include <QPainter>

#include "matrix_state.h"
#include "skin.h"
#include "skin_glyphs.h"
#include "skin_keys.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

using namespace matrix_bitmap;

constexpr qreal kDigitCaptionPx = 30;
constexpr qreal kTabCaptionPx = 13;
constexpr qreal kActionCaptionPx = 17;

// The frames around the two rows of keys, in page pixels; the page's
// background is drawn at the page's size, so they stay around the keys.
QRectF row_frame(QPoint first_key) {
  const QRectF keys(first_key, QSize(68 * (matrix::kInputCount - 1) + digit_size.width(), digit_size.height()));
  return keys.adjusted(-26, -34, 26, 24);
}

void draw_page_background(QPainter& p, QSize s) {
  paint_surface(p, QRectF(0, 0, s.width(), s.height()));
  const QRectF inputs = row_frame(matrix_layout::input_key(1));
  const QRectF outputs = row_frame(matrix_layout::output_key(1));
  paint_label(p, QRectF(inputs.left(), 40, inputs.width(), 26), QStringLiteral("8 \u00d7 8 ROUTING MATRIX"),
              style::caption_dim, 13);
  paint_groove(p, inputs.left(), inputs.right(), 74);
  paint_section_frame(p, inputs, QStringLiteral("INPUT"));
  paint_section_frame(p, outputs, QStringLiteral("OUTPUT"));
  // The signal runs from the chosen input down to the outputs it is routed to.
  const qreal x = inputs.center().x();
  const QRectF between(inputs.left(), inputs.bottom() + 8, inputs.width(), outputs.top() - inputs.bottom() - 16);
  p.setPen(QPen(style::caption_faint, 2));
  p.drawLine(QPointF(x, between.top() + 4), QPointF(x, between.bottom() - 10));
  QPolygonF head;
  head << QPointF(x - 8, between.bottom() - 14) << QPointF(x + 8, between.bottom() - 14)
       << QPointF(x, between.bottom());
  p.setBrush(style::caption_faint);
  p.setPen(Qt::NoPen);
  p.drawPolygon(head);
  paint_label(p, between.adjusted(0, 0, -(between.width() / 2 + 24), 0), QStringLiteral("1  CHOOSE AN INPUT"),
              style::caption_faint, 11, Qt::AlignRight | Qt::AlignVCenter);
  paint_label(p, between.adjusted(between.width() / 2 + 24, 0, 0, 0), QStringLiteral("2  MARK ITS OUTPUTS, APPLY"),
              style::caption_faint, 11);
  paint_well(p, QRectF(matrix_layout::sub_page_area).adjusted(-3, -3, 0, 3), 4);
}

void draw_sub_page_background(QPainter& p, QSize s) { paint_surface(p, QRectF(0, 0, s.width(), s.height())); }

// What each action key does, printed beside it as on a hardware panel.
void draw_control_background(QPainter& p, QSize s) {
  draw_sub_page_background(p, s);
  paint_label(p, QRectF(30, 28, 420, 24), QStringLiteral("ROUTING SHORTCUTS"), style::caption_dim, 12);
  paint_groove(p, 30, 460, 60);
  const struct {
    qreal y;
    const char* first;
    const char* second;
  } notes[] = {{100, "SELECTED INPUT", "TO EVERY OUTPUT"}, {195, "INPUT N", "TO OUTPUT N"}};
  for (const auto& note : notes) {
    paint_label(p, QRectF(30, note.y + 12, 160, 18), QString::fromLatin1(note.first), style::caption_faint, 10);
    paint_label(p, QRectF(30, note.y + 32, 160, 18), QString::fromLatin1(note.second), style::caption_faint, 10);
  }
  paint_groove(p, 30, 460, 283);
}

void register_pair(int normal, int lit, QSize size, const QString& caption, qreal caption_px, ButtonLook lit_look,
                   const QColor& lamp = style::accent) {
  register_key(normal, size, caption, ButtonLook::normal, lamp, caption_px);
  register_key(lit, size, caption, lit_look, lamp, caption_px);
}

}  // namespace

void register_matrix_bitmaps() {
  for (int n = 1; n <= matrix::kInputCount; ++n) {
    register_pair(digit_grey(n), digit_green(n), digit_size, QString::number(n), kDigitCaptionPx, ButtonLook::lit,
                  style::lamp_green);
  }
  Skin::register_drawer(page_background, page_background_size, draw_page_background);
  Skin::register_drawer(control_background, sub_page_size, draw_control_background);
  Skin::register_drawer(setting_background, sub_page_size, draw_sub_page_background);
  register_pair(control_tab, control_tab_active, control_tab_size, QStringLiteral("CONTROL"), kTabCaptionPx,
                ButtonLook::selected);
  register_pair(setting_tab, setting_tab_active, setting_tab_size, QStringLiteral("SETTING"), kTabCaptionPx,
                ButtonLook::selected);
  register_pair(lock_off, lock_on, lock_size, QStringLiteral("LOCK"), kActionCaptionPx, ButtonLook::lit,
                style::lamp_red);
  register_key(one_to_all, one_to_all_size, QStringLiteral("ONE TO ALL"), ButtonLook::normal, style::accent,
               kActionCaptionPx);
  register_key(one_to_one, one_to_one_size, QStringLiteral("ONE TO ONE"), ButtonLook::normal, style::accent,
               kActionCaptionPx);
  register_key(apply, apply_size, QStringLiteral("APPLY"), ButtonLook::normal, style::accent, kActionCaptionPx);
  register_lamp_icon(status_disconnected, status_icon_size, style::lamp_red, false);
  register_lamp_icon(status_connected, status_icon_size, style::lamp_green, true);
}

}  // namespace vela
