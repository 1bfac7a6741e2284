#pragma once

#include "skin_paint.h"

#include <QSize>
#include <QString>

namespace vela {

// Registers bitmap `id` as a captioned key of the given size and look: the
// usual way a page declares its key pictures (normal, lit and selected ids
// of one key are three calls with the same caption).
void register_key(int id, QSize size, const QString& caption, ButtonLook look, const QColor& lamp = style::accent,
                  qreal caption_px = 0);

}  // namespace vela
