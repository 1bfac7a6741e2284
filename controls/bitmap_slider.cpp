#include "bitmap_slider.h"

#include <QImage>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "control_id.h"
#include "skin.h"

namespace vela {

QPixmap masked_by_corner(const QPixmap& picture) {
  if (picture.isNull()) return picture;
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  const QRgb corner = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == corner) line[x] = 0;
    }
  }
  return QPixmap::fromImage(image);
}

}  // namespace vela

SliderCanvas::SliderCanvas(QWidget& window, QSize size) : m_window(window), m_surface(size) {
  m_surface.fill(window.palette().color(window.backgroundRole()));
  m_painter = std::make_unique<QPainter>(&m_surface);
}

SliderCanvas::~SliderCanvas() {
  m_painter.reset();
  QPainter screen(&m_window);
  screen.drawPixmap(0, 0, m_surface);
}

BitmapSlider::BitmapSlider(QWidget* parent) : QWidget(parent) {
  // The off-screen copy covers every pixel: no background erase.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

bool BitmapSlider::set_bitmap_channel(int bitmap_id) {
  const QPixmap channel = vela::Skin::pixmap(bitmap_id);
  if (channel.isNull()) return false;
  m_channel = channel;
  m_width = channel.width();
  m_height = channel.height();
  resize(m_width, m_height);
  m_focus_rect = rect();
  m_channel_set = true;
  return true;
}

bool BitmapSlider::set_bitmap_thumb(int bitmap_id, bool transparent) {
  const QPixmap thumb = vela::Skin::pixmap(bitmap_id);
  if (thumb.isNull()) return false;
  m_thumb = transparent ? vela::masked_by_corner(thumb) : thumb;
  m_thumb_width = thumb.width();
  m_thumb_height = thumb.height();
  m_transparent_thumb = transparent;
  m_thumb_set = true;
  if (!m_channel_set) {
    m_width = width();
    m_height = height();
  }
  return true;
}

void BitmapSlider::set_margin(int left, int top, int right, int bottom) {
  m_margin_left = left;
  m_margin_top = top;
  m_margin_right = right;
  m_margin_bottom = bottom;
}

void BitmapSlider::set_vertical(bool vertical) { m_vertical = vertical; }

void BitmapSlider::set_range(int minimum, int maximum) {
  m_minimum = minimum;
  m_maximum = maximum;
}

void BitmapSlider::set_pos(int position) {
  store(std::max(std::min(position, m_maximum), m_minimum));
  update();
}

void BitmapSlider::store(int position) {
  if (position == m_position) return;
  m_position = position;
  emit position_changed(position);
}

BitmapSlider::Axis BitmapSlider::axis() const {
  if (m_vertical) return {m_height, m_thumb_height, m_margin_top, m_margin_bottom};
  return {m_width, m_thumb_width, m_margin_left, m_margin_right};
}

int BitmapSlider::travel() const {
  const Axis a = axis();
  return a.length - a.margin_high - a.thumb - a.margin_low;
}

int BitmapSlider::pixel_of(int position) const {
  const Axis a = axis();
  const int span = m_maximum - m_minimum;
  // An empty range keeps the thumb at the low end of its travel.
  const int offset = span == 0 ? 0 : static_cast<int>(static_cast<double>(travel()) * (position - m_minimum) / span);
  return a.margin_low + offset + a.thumb / 2;
}

int BitmapSlider::position_of(int pixel) const {
  const Axis a = axis();
  const int way = travel();
  if (way == 0) return m_minimum;
  return static_cast<int>(m_minimum +
                          static_cast<double>(pixel - a.thumb / 2 - a.margin_low) * (m_maximum - m_minimum) / way);
}

int BitmapSlider::along(const QPoint& point) const { return m_vertical ? point.y() : point.x(); }

void BitmapSlider::post(int message) {
  const int id = vela::control_id(this);
  const int position = m_position;
  QMetaObject::invokeMethod(
      this, [this, message, id, position] { emit notified(message, id, position); }, Qt::QueuedConnection);
}

void BitmapSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !isEnabled()) return;
  setFocus(Qt::MouseFocusReason);
  m_dragging = true;
  const int d = along(event->position().toPoint()) - pixel_of(m_position);
  m_drag_offset = std::abs(d) > axis().thumb / 2 ? 0 : d;
  mouseMoveEvent(event);
  update();
}

void BitmapSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging || !isEnabled()) return;
  const Axis ax = axis();
  const int low = ax.margin_low + ax.thumb / 2;
  const int high = std::max(low, ax.length - ax.margin_high - ax.thumb / 2);
  const int a = std::clamp(along(event->position().toPoint()) - m_drag_offset, low, high);
  if (a == pixel_of(m_position)) return;
  store(std::clamp(position_of(a), std::min(m_minimum, m_maximum), std::max(m_minimum, m_maximum)));
  update();
  post(kPositionMoving);
}

void BitmapSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_dragging || !isEnabled()) return;
  end_drag();
  update();
  post(kPositionSet);
  QMetaObject::invokeMethod(this, &BitmapSlider::clicked, Qt::QueuedConnection);
}

void BitmapSlider::end_drag() {
  m_dragging = false;
  if (mouseGrabber() == this) releaseMouse();
}

void BitmapSlider::keyPressEvent(QKeyEvent* event) {
  if (!isEnabled()) return;
  int target = m_position;
  switch (event->key()) {
    case Qt::Key_PageUp:
      target = m_position - m_page_size;
      break;
    case Qt::Key_PageDown:
      target = m_position + m_page_size;
      break;
    case Qt::Key_End:
      target = m_maximum;
      break;
    case Qt::Key_Home:
      target = m_minimum;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      target = m_position + 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      target = m_position - 1;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  set_pos(target);
  post(kPositionSet);
}

void BitmapSlider::focusInEvent(QFocusEvent*) {
  m_focused = true;
  update();
}

void BitmapSlider::focusOutEvent(QFocusEvent*) {
  m_focused = false;
  update();
}

void BitmapSlider::changeEvent(QEvent* event) {
  // Disabled half way through a drag: the drag ends here, nothing is posted.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && m_dragging) end_drag();
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

void BitmapSlider::paintEvent(QPaintEvent*) {
  SliderCanvas dc(*this, size());
  QPainter& p = dc.painter();
  if (m_channel_set) p.drawPixmap(QRect(0, 0, m_width, m_height), m_channel);
  if (m_thumb_set && isEnabled()) {
    const int centre = pixel_of(m_position);
    const QPoint at = m_vertical ? QPoint(m_margin_left, centre - m_thumb_height / 2)
                                 : QPoint(centre - m_thumb_width / 2, m_margin_top);
    p.drawPixmap(at, m_thumb);
  }
  m_focus_rect_drawn = false;
  if (m_focused && m_draw_focus_rect && isEnabled()) {
    const QRect frame = (m_focus_rect.isEmpty() ? rect() : m_focus_rect).adjusted(0, 0, -1, -1);
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    m_focus_rect_drawn = true;
  }
}
