#include "device_list_combo.h"

#include <QListView>
#include <QPainter>
#include <QPainterPath>

#include "skin_style.h"

DeviceListCombo::DeviceListCombo(QWidget* parent) : QComboBox(parent) { setView(new QListView(this)); }

void DeviceListCombo::paintEvent(QPaintEvent* event) {
  QComboBox::paintEvent(event);
  // The style sheet leaves the drop-down button empty: draw a chevron there.
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(width() - 14.5, height() / 2.0 + 1.0);
  QPainterPath chevron;
  chevron.moveTo(centre + QPointF(-5, -3));
  chevron.lineTo(centre + QPointF(0, 2));
  chevron.lineTo(centre + QPointF(5, -3));
  painter.setPen(QPen(isEnabled() ? vela::style::accent : vela::style::caption_faint, 1.8, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(chevron);
}
