#include "multiviewer/multiviewer_preview_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "multiviewer_preview.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {

QRect to_rect(const PreviewBox& b) { return QRect(b.x, b.y, b.width, b.height); }
QColor to_colour(const multiviewer::Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void paint_window(QPainter& p, const PreviewWindow& w, const QFontMetrics& metrics) {
  p.fillRect(QRect(w.x, w.y, w.width, w.height), style::preview::window_rim);
  p.fillRect(QRect(w.x + 2, w.y + 2, w.width - 4, w.height - 4), style::preview::window_inside);
  const QString number = QString::number(w.number);
  const QPoint at(w.x + w.width / 2 - 5, w.y + w.height / 2 - 5);
  p.fillRect(QRect(at, QSize(metrics.horizontalAdvance(number), metrics.height())), style::preview::number_ground);
  p.drawText(at + QPoint(0, metrics.ascent()), number);
}

// The label's own text in its box, as the output shows it, in the window's
// label text colour.
void paint_label_text(QPainter& p, const PreviewBox& box, const std::u16string& label, std::uint8_t text_colour) {
  const auto colour = multiviewer::colour_at(text_colour);
  if (!colour || label.empty()) return;
  QFont font = skin_font(qMax(7, box.height - 2), false);
  p.save();
  p.setFont(font);
  p.setPen(to_colour(colour->preview));
  p.setClipRect(to_rect(box));
  // A label wider than its box keeps its beginning, as people read it.
  const QString text =
      QFontMetrics(font).elidedText(QString::fromStdU16String(label), Qt::ElideRight, qMax(0, box.width - 2));
  p.drawText(to_rect(box), Qt::AlignCenter, text);
  p.restore();
}

}  // namespace

QImage make_preview_image() {
  return QImage(multiviewer::kPreviewWidth, multiviewer::kPreviewHeight, QImage::Format_RGB32);
}

void paint_multiviewer_preview(QImage& image, const MultiviewerState& state) {
  QPainter p(&image);
  p.fillRect(image.rect(), style::preview::ground);
  const QFont font = skin_font(12, false);
  const QFontMetrics metrics(font);
  p.setFont(font);
  p.setPen(style::preview::number_ink);
  for (int i = 0; i < multiviewer::kWindowCount; ++i) {
    const PreviewWindow& window = state.m_window_rect[i];
    if (window.present()) paint_window(p, window, metrics);
    if (state.m_meter_visible != 0 && state.m_meter_rect[i].present()) {
      p.fillRect(to_rect(state.m_meter_rect[i]), style::preview::meter);
    }
    if (state.m_labels_visible != 0 && state.m_label_rect[i].present()) {
      p.fillRect(to_rect(state.m_label_rect[i]), to_colour(state.m_label_rgb[i]));
      paint_label_text(p, state.m_label_rect[i], state.m_window_label[i],
                       state.m_settings.label_text_colour[i]);
    }
    if (state.m_resolution_visible != 0 && state.m_resolution_rect[i].present()) {
      p.fillRect(to_rect(state.m_resolution_rect[i]), to_colour(state.m_resolution_rgb[i]));
    }
  }
}

}  // namespace vela
