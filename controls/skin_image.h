#pragma once

#include <QColor>
#include <QImage>

class QPainter;

// An 8-bit palette image: 256 palette entries and one palette index per
// pixel. Used for generated shadings, where recolouring means changing the
// palette and not the pixels.
class SkinImage {
 public:
  static constexpr int palette_size = 256;

  // A new image of the given size, every pixel index 0, every entry black.
  bool create(int width, int height);
  bool is_valid() const { return !m_image.isNull(); }
  int width() const { return m_image.width(); }
  int height() const { return m_image.height(); }

  void set_palette_colour(int index, const QColor& colour);
  QColor palette_colour(int index) const;
  // Entries first .. first + count - 1 run evenly from `from` to `to`.
  void blend_palette(const QColor& from, const QColor& to, int first, int count);
  void copy_palette(const SkinImage& other);

  void set_pixel_index(int x, int y, quint8 index);
  quint8 pixel_index(int x, int y) const;

  // Draws the image at its own size, or stretched into `target`.
  void draw(QPainter& p, const QPoint& at) const;
  void stretch(QPainter& p, const QRect& target) const;

  const QImage& image() const { return m_image; }

 private:
  QImage m_image;  // QImage::Format_Indexed8
};
