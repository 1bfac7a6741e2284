#include "multiviewer/multiviewer_bitmaps.h"

#include <QPainter>

#include "multiviewer/multiviewer_subpages.h"
#include "multiviewer_preview.h"
#include "skin.h"
#include "skin_glyphs.h"
#include "skin_paint.h"
#include "skin_style.h"

namespace vela {
namespace {

void draw_layout_button(QPainter& p, QSize size, int layout_index, ButtonLook look) {
  const ButtonFace face = paint_button_body(p, QRectF(0, 0, size.width(), size.height()), look);
  // The output picture in the key's face, 3:2 like the preview.
  const QRectF room = face.content.adjusted(9, 7, -9, -7);
  const qreal scale = qMin(room.width() / multiviewer::kPreviewWidth, room.height() / multiviewer::kPreviewHeight);
  const QSizeF picture(multiviewer::kPreviewWidth * scale, multiviewer::kPreviewHeight * scale);
  const QRectF frame(room.center() - QPointF(picture.width() / 2, picture.height() / 2), picture);
  QColor ink = face.ink;
  p.setPen(Qt::NoPen);
  p.setBrush(style::translucent(ink, 40));
  p.drawRect(frame);
  p.setPen(QPen(ink, 1.0));
  p.setBrush(style::translucent(ink, look == ButtonLook::selected ? 70 : 25));
  for (const PreviewBox& r : multiviewer::layout_rectangles(layout_index)) {
    const QRectF cell(frame.left() + r.x * scale, frame.top() + r.y * scale, r.width * scale, r.height * scale);
    p.drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void register_tab(int normal, int selected, QSize size, const char* caption) {
  const QString text = QString::fromLatin1(caption);
  Skin::register_drawer(normal, size, [text](QPainter& p, QSize s) {
    paint_panel_button(p, QRectF(0, 0, s.width(), s.height()), text, ButtonLook::normal, style::accent, 13);
  });
  Skin::register_drawer(selected, size, [text](QPainter& p, QSize s) {
    paint_panel_button(p, QRectF(0, 0, s.width(), s.height()), text, ButtonLook::selected, style::accent, 13);
  });
}

}  // namespace

void register_multiviewer_bitmaps() {
  using namespace multiviewer_bitmap;
  for (const MultiviewerSubPageInfo& info : kMultiviewerSubPages) {
    register_tab(info.normal_bitmap, info.selected_bitmap, info.place.size(), info.caption);
  }
  for (int i = 0; i < multiviewer::kLayoutCount; ++i) {
    Skin::register_drawer(layout_normal(i), layout_size,
                          [i](QPainter& p, QSize s) { draw_layout_button(p, s, i, ButtonLook::normal); });
    Skin::register_drawer(layout_selected(i), layout_size,
                          [i](QPainter& p, QSize s) { draw_layout_button(p, s, i, ButtonLook::selected); });
  }
  register_lamp_icon(lamp_signal, lamp_size, style::lamp_green, true);
  register_lamp_icon(lamp_no_signal, lamp_size, style::lamp_red, true);
}

}  // namespace vela
