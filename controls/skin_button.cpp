#include "skin_button.h"

#include "background_snapshot.h"
#include "masked_image.h"
#include "skin.h"

#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

SkinButton::SkinButton(QWidget* parent) : QPushButton(parent) {
  setFlat(true);
  setAutoDefault(false);
  setMouseTracking(true);
  set_default_colours();
}

void SkinButton::set_bitmap(int id) { set_bitmaps(id, -1); }

void SkinButton::set_bitmaps(int in_id, int out_id) {
  const QPixmap in = vela::Skin::pixmap(in_id);
  const QPixmap out = out_id >= 0 ? vela::Skin::pixmap(out_id) : QPixmap();
  set_images(in, out);
  m_in_id = in.isNull() ? -1 : in_id;
  m_out_id = out.isNull() ? -1 : out_id;
}

void SkinButton::set_images(const QPixmap& in, const QPixmap& out) {
  m_in = in.isNull() ? QImage() : vela::masked_image(in);
  m_out = out.isNull() ? QImage() : vela::masked_image(out);
  m_in_grey = m_in.isNull() ? QImage() : vela::greyed_image(m_in);
  m_out_grey = m_out.isNull() ? QImage() : vela::greyed_image(m_out);
  m_in_id = m_out_id = -1;
  updateGeometry();
  update();
}

void SkinButton::set_draw_transparent(bool transparent) {
  m_draw_transparent = transparent;
  if (transparent) m_background.drop();
  update();
}

void SkinButton::set_draw_border(bool border) {
  m_draw_border = border;
  update();
}

void SkinButton::set_always_track(bool always) { m_always_track = always; }

void SkinButton::setup_skinned(const QRect& place, int bitmap_id) {
  setGeometry(place);
  set_bitmap(bitmap_id);
  set_draw_transparent(true);
  set_draw_border(false);
}

void SkinButton::set_colour(ColourIndex index, const QColor& colour) {
  if (index < 0 || index >= colour_count) return;
  m_colours[index] = colour;
  update();
}

QColor SkinButton::colour(ColourIndex index) const {
  return index >= 0 && index < colour_count ? m_colours[index] : QColor();
}

void SkinButton::set_default_colours() {
  const QColor face = palette().color(QPalette::Button);
  const QColor text = palette().color(QPalette::ButtonText);
  m_colours[colour_bk_in] = m_colours[colour_bk_out] = m_colours[colour_bk_focus] = face;
  m_colours[colour_fg_in] = m_colours[colour_fg_out] = m_colours[colour_fg_focus] = text;
  update();
}

int SkinButton::shown_bitmap_id() const {
  if (m_hover || m_out.isNull()) return m_in_id;
  return m_out_id;
}

QSize SkinButton::sizeHint() const {
  QSize picture = m_in.size().expandedTo(m_out.size());
  if (text().isEmpty()) return picture.isEmpty() ? QSize(16, 16) : picture;
  const QSize caption = fontMetrics().size(Qt::TextSingleLine, text());
  const int gap = picture.isEmpty() ? 0 : 4;
  return QSize(picture.width() + gap + caption.width() + 8, qMax(picture.height(), caption.height() + 6));
}

// ---- drawing ----

void SkinButton::paintEvent(QPaintEvent*) {
  DrawState s;
  s.pressed = isDown() || (isCheckable() && isChecked());
  s.focused = hasFocus();
  s.disabled = !isEnabled();
  s.hover = m_hover;

  QPainter p(this);
  QRect r = rect();
  if (!isFlat() && (s.focused || isDefault())) {
    p.setPen(QColor(0, 0, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
  }
  draw_background(p, r, s);
  draw_edges(p, r, s);
  draw_content(p, r, s);

  if (s.focused && !isFlat()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r.adjusted(3, 3, -3, -3);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
}

void SkinButton::draw_background(QPainter& p, const QRect& r, const DrawState& s) {
  if (m_draw_transparent) {
    p.drawPixmap(r, m_background.get(this), r);
    return;
  }
  ColourIndex index = colour_bk_out;
  if (s.hover || s.pressed)
    index = colour_bk_in;
  else if (s.focused)
    index = colour_bk_focus;
  p.fillRect(r, m_colours[index]);
}

void SkinButton::draw_edges(QPainter& p, const QRect& r, const DrawState& s) const {
  if (!m_draw_border) return;
  const QPalette& pal = palette();
  const int x1 = r.left(), y1 = r.top(), x2 = r.right(), y2 = r.bottom();
  auto frame = [&](int inset, const QColor& top_left, const QColor& bottom_right) {
    p.setPen(top_left);
    p.drawLine(x1 + inset, y1 + inset, x2 - inset, y1 + inset);
    p.drawLine(x1 + inset, y1 + inset, x1 + inset, y2 - inset);
    p.setPen(bottom_right);
    p.drawLine(x1 + inset, y2 - inset, x2 - inset, y2 - inset);
    p.drawLine(x2 - inset, y1 + inset, x2 - inset, y2 - inset);
  };
  if (isFlat()) {
    if (s.pressed)
      frame(0, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    else if (s.hover)
      frame(0, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    return;
  }
  if (s.pressed) {
    frame(0, pal.color(QPalette::Dark), pal.color(QPalette::Dark));
  } else {
    frame(0, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
    frame(1, pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
  }
}

const QImage* SkinButton::current_image(const DrawState& s) {
  const bool use_in = s.hover || m_out.isNull();
  if (s.disabled) return use_in ? &m_in_grey : &m_out_grey;
  return use_in ? &m_in : &m_out;
}

void SkinButton::draw_content(QPainter& p, const QRect& r, const DrawState& s) {
  const QImage* image = current_image(s);
  const bool has_image = image && !image->isNull();
  const QString caption = text();
  const QSize picture = has_image ? image->size() : QSize(0, 0);
  const QSize words = caption.isEmpty() ? QSize(0, 0) : p.fontMetrics().size(Qt::TextSingleLine, caption);
  const int gap = (has_image && !caption.isEmpty()) ? 4 : 0;
  const int total = picture.width() + gap + words.width();
  const QPoint shift = s.pressed ? QPoint(1, 1) : QPoint(0, 0);
  const int left = r.left() + (r.width() - total) / 2;

  if (has_image) {
    const QPoint at(left, r.top() + (r.height() - picture.height()) / 2);
    p.drawImage(at + shift, *image);
  }
  if (caption.isEmpty()) return;

  const QRect box(QPoint(left + picture.width() + gap, r.top()) + shift, QSize(words.width(), r.height()));
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  if (s.disabled) {
    // Engraved: highlight one pixel down-right, shadow on top.
    p.setPen(palette().color(QPalette::Light));
    p.drawText(box.translated(1, 1), flags, caption);
    p.setPen(palette().color(QPalette::Dark));
    p.drawText(box, flags, caption);
    return;
  }
  p.setPen(m_colours[(s.hover || s.pressed) ? colour_fg_in : colour_fg_out]);
  p.drawText(box, flags, caption);
}

// ---- hover tracking (flat buttons only) ----

void SkinButton::start_hover() {
  if (!isFlat() || m_hover) return;
  if (!m_always_track && !isActiveWindow()) return;
  m_hover = true;
  update();
}

void SkinButton::end_hover() {
  if (!m_hover) return;
  m_hover = false;
  update();
}

void SkinButton::enterEvent(QEnterEvent* event) {
  QPushButton::enterEvent(event);
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) start_hover();
}

void SkinButton::leaveEvent(QEvent* event) {
  QPushButton::leaveEvent(event);
  end_hover();
}

void SkinButton::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  if (event->buttons() & Qt::LeftButton) return;
  if (rect().contains(event->position().toPoint()))
    start_hover();
  else
    end_hover();
}
