#include "skin_image.h"

#include <QPainter>

bool SkinImage::create(int width, int height) {
  if (width <= 0 || height <= 0) {
    m_image = QImage();
    return false;
  }
  m_image = QImage(width, height, QImage::Format_Indexed8);
  m_image.setColorTable(QList<QRgb>(palette_size, qRgb(0, 0, 0)));
  m_image.fill(0);
  return true;
}

void SkinImage::set_palette_colour(int index, const QColor& colour) {
  if (is_valid() && index >= 0 && index < palette_size) m_image.setColor(index, colour.rgb());
}

QColor SkinImage::palette_colour(int index) const {
  if (!is_valid() || index < 0 || index >= palette_size) return QColor();
  return QColor::fromRgb(m_image.color(index));
}

void SkinImage::blend_palette(const QColor& from, const QColor& to, int first, int count) {
  for (int i = 0; i < count; ++i) {
    const int span = count > 1 ? count - 1 : 1;
    auto mix = [&](int a, int b) { return a + (b - a) * i / span; };
    set_palette_colour(first + i,
                       QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())));
  }
}

void SkinImage::copy_palette(const SkinImage& other) {
  if (is_valid() && other.is_valid()) m_image.setColorTable(other.m_image.colorTable());
}

void SkinImage::set_pixel_index(int x, int y, quint8 index) {
  if (is_valid() && m_image.valid(x, y)) m_image.scanLine(y)[x] = index;
}

quint8 SkinImage::pixel_index(int x, int y) const {
  return (is_valid() && m_image.valid(x, y)) ? m_image.constScanLine(y)[x] : 0;
}

void SkinImage::draw(QPainter& p, const QPoint& at) const {
  if (is_valid()) p.drawImage(at, m_image);
}

void SkinImage::stretch(QPainter& p, const QRect& target) const {
  if (is_valid()) p.drawImage(target, m_image);
}
