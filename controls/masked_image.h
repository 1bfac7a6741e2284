#pragma once

#include <QImage>
#include <QPixmap>

namespace vela {

// Button pictures follow the bitmap convention: pure black (0, 0, 0) is the
// transparent colour. These helpers turn such a picture into an image with an
// alpha channel (black -> fully transparent; existing alpha is kept) and make
// the greyed variant shown by a disabled button.
QImage masked_image(const QPixmap& picture);

// Grey version of a masked image: each visible pixel becomes a flat grey of
// its luminance, pulled towards the middle so it reads as inactive.
QImage greyed_image(const QImage& masked);

}  // namespace vela
