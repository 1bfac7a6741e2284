#include "multiviewer/multiviewer_sub_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "control_id.h"
#include "multiviewer/multiviewer_preview_host.h"
#include "enter_escape.h"
#include "skin_group_box.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"
#include "style_sheets.h"

namespace vela {
namespace {
constexpr QRect kGroupBoxPlace(5, 5, 480, 410);
}

MultiviewerSubPageBase::MultiviewerSubPageBase(MultiviewerPreviewHost& container, QWidget* parent, int template_id,
                                               int group_box_id)
    : QWidget(parent), m_context(container.preview_context()), container_(&container), template_id_(template_id) {
  setAttribute(Qt::WA_StyledBackground, false);
  // Captions and fields read in the accent colour, as on every page.
  setStyleSheet(drop_down_list_style() +
                QStringLiteral("QLabel { color: %1; background: transparent; }").arg(style::accent.name()));
  group_box_ = new SkinGroupBox(this);
  set_control_id(group_box_, group_box_id);
  group_box_->setGeometry(kGroupBoxPlace);
}

void MultiviewerSubPageBase::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_surface(p, QRectF(rect()));
  p.setPen(QPen(style::hairline, 1));
  for (const QLine& line : separators_) p.drawLine(line);
  p.setFont(skin_font(13, true));
  p.setPen(style::caption);
  for (const Heading& heading : headings_) p.drawText(heading.at, heading.text);
}

void MultiviewerSubPageBase::keyPressEvent(QKeyEvent* event) {
  if (!swallow_enter_escape(event)) QWidget::keyPressEvent(event);
}

}  // namespace vela
