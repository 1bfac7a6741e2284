#include "track_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

#include "skin_paint.h"
#include "skin_style.h"

namespace vela {

namespace {
constexpr qreal kGrooveHeight = 6.0;
constexpr qreal kCapWidth = 12.0;
}  // namespace

TrackBar::TrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setTickPosition(QSlider::NoTicks);
  setTickInterval(1);
  setPageStep(16);
}

void TrackBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_pressed = true;
  QSlider::mousePressEvent(event);
}

void TrackBar::mouseReleaseEvent(QMouseEvent* event) {
  QSlider::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !m_pressed) return;
  m_pressed = false;
  emit released_by_mouse(value());
}

void TrackBar::paintEvent(QPaintEvent*) {
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  const qreal mid_y = height() / 2.0;
  const qreal cap_x = handle.center().x() + 0.5;

  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF groove(kCapWidth / 2, mid_y - kGrooveHeight / 2, width() - kCapWidth, kGrooveHeight);
  paint_well(p, groove, kGrooveHeight / 2);
  // The travelled part of the groove in the accent colour.
  QColor fill = style::accent;
  if (!isEnabled()) fill.setAlpha(style::disabled_alpha);
  const QRectF travelled(groove.left() + 1, groove.top() + 1, qMax(0.0, cap_x - groove.left() - 1),
                         groove.height() - 2);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(travelled, travelled.height() / 2, travelled.height() / 2);

  // The cap: a small key with an index line.
  const qreal cap_height = qMin(height() - 2.0, 20.0);
  const QRectF cap(cap_x - kCapWidth / 2, mid_y - cap_height / 2, kCapWidth, cap_height);
  const bool active = isSliderDown() || hasFocus();
  const ButtonFace face = paint_button_body(p, cap.adjusted(-2, -2, 2, 2), ButtonLook::normal);
  p.setPen(QPen(active ? style::accent : face.ink, 1.5));
  p.drawLine(QPointF(cap_x, face.content.top() + 3), QPointF(cap_x, face.content.bottom() - 3));
}

}  // namespace vela
