#include "skin_group_box.h"

#include "background_snapshot.h"

#include <QFontMetrics>
#include <QPainter>

SkinGroupBox::SkinGroupBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void SkinGroupBox::set_text(const QString& caption) {
  m_text = caption;
  update();
}

QRect SkinGroupBox::caption_rect() const {
  if (m_text.isEmpty()) return QRect();
  // The measured caption plus a little room on the right, so the frame line
  // stops short of the last letter rather than touching it.
  const QFontMetrics fm(font());
  return QRect(caption_origin, QSize(fm.horizontalAdvance(m_text) + 4, fm.height()));
}

void SkinGroupBox::paintEvent(QPaintEvent*) {
  const QPixmap& background = m_background.get(this);

  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor::fromRgb(frame_rgb), 1.0));
  p.setBrush(Qt::NoBrush);
  // Corners (2, 8) and (width - 8, height - 8), corner ellipses 12 x 12; the
  // half-pixel offset puts the one-pixel line exactly on the pixel rows.
  const QRectF frame(2.5, 8.5, width() - 8 - 2 - 1, height() - 8 - 8 - 1);
  p.drawRoundedRect(frame, 6, 6);

  if (m_text.isEmpty()) return;
  const QRect caption = caption_rect();
  p.drawPixmap(caption, background, caption);
  p.setPen(QColor::fromRgb(caption_rgb));
  p.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}
