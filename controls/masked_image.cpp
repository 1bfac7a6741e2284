#include "masked_image.h"

#include <QColor>

namespace vela {

QImage masked_image(const QPixmap& picture) {
  QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb px = line[x];
      if (qRed(px) == 0 && qGreen(px) == 0 && qBlue(px) == 0) line[x] = qRgba(0, 0, 0, 0);
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage greyed_image(const QImage& masked) {
  QImage grey = masked.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb px = line[x];
      if (qAlpha(px) == 0) continue;
      const int luma = qGray(px);
      const int level = 44 + luma * 36 / 100;  // dim, low contrast: 44..135
      line[x] = qRgba(level, level, level, qAlpha(px));
    }
  }
  return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace vela
