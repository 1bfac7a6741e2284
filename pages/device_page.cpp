#include "device_page.h"

#include <QPainter>

#include "skin_style.h"
#include <atomic>

namespace vela {
namespace {
std::atomic<quint64> next_instance_number{1};
}

DevicePage::DevicePage(const QString& class_name, int template_id, PageContext& context, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      class_name_(class_name),
      template_id_(template_id),
      instance_number_(next_instance_number++) {
  setObjectName(class_name);
  setAttribute(Qt::WA_StyledBackground, false);
}

void DevicePage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // Pages are opaque: the page area's own picture does not show through.
  painter.fillRect(rect(), style::well);
  painter.setPen(style::hairline);
  painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  painter.setPen(style::caption_dim);
  QFont font = painter.font();
  font.setPixelSize(15);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
  painter.setFont(font);
  painter.drawText(rect().adjusted(0, 0, 0, -24), Qt::AlignCenter, class_name_);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(style::caption_faint);
  painter.drawText(rect().adjusted(0, 24, 0, 0), Qt::AlignCenter, QStringLiteral("template %1").arg(template_id_));
}

}  // namespace vela
