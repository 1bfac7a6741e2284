#pragma once

// Small helpers for looking at rendered widgets pixel by pixel.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>

namespace vela::test {

inline QImage render(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline QRgb rgb_at(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000u; }

inline int count_pixels(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
  int n = 0;
  const QRect r = area.intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += wanted(rgb_at(image, x, y)) ? 1 : 0;
  return n;
}

// Bounding box of the pixels that differ from `background`.
inline QRect ink_box(const QImage& image, QRgb background) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (rgb_at(image, x, y) != (background | 0xff000000u)) box |= QRect(x, y, 1, 1);
  return box;
}

inline bool is_grey(QRgb px) { return qRed(px) == qGreen(px) && qGreen(px) == qBlue(px); }

// A picture in the bitmap convention: black everywhere except a filled
// rectangle of `colour`.
inline QPixmap keyed_picture(QSize size, const QRect& filled, const QColor& colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(0, 0, 0));
  QPainter(&image).fillRect(filled, colour);
  return QPixmap::fromImage(image);
}

// A parent whose every pixel has its own colour (never black), so that a
// copied background can be told apart from any plain fill.
class PatternBackdrop : public QWidget {
 public:
  using QWidget::QWidget;
  int shift = 0;

  static QRgb colour(int x, int y, int shift) { return qRgb((x * 7 + shift) & 0xff, (y * 11 + shift) & 0xff, 180); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QImage image(size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colour(x, y, shift));
    QPainter(this).drawImage(0, 0, image);
  }
};

}  // namespace vela::test
