#include "sub_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "control_id.h"
#include "enter_escape.h"
#include "skin.h"
#include "skin_group_box.h"
#include "skin_paint.h"
#include "skin_style.h"
#include "skin_text.h"

namespace vela {
namespace {
constexpr QPoint kGroupBoxAt(5, 5);
}

SubPage::SubPage(PageContext& context, QWidget* parent, int template_id, int group_box_id, QSize group_box_size,
                 const QString& style_sheet)
    : QWidget(parent), m_context(context), m_template_id(template_id) {
  setAttribute(Qt::WA_StyledBackground, false);
  setStyleSheet(style_sheet);
  m_group_box = new SkinGroupBox(this);
  set_control_id(m_group_box, group_box_id);
  m_group_box->setGeometry(QRect(kGroupBoxAt, group_box_size));
}

void SubPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (m_background_bitmap) {
    p.drawPixmap(rect(), Skin::pixmap(*m_background_bitmap, size()));
  } else {
    paint_surface(p, QRectF(rect()));
  }
  if (m_separator_look == SeparatorLook::Groove) {
    for (const QLine& line : m_separators) paint_groove(p, line.x1(), line.x2(), line.y1());
  } else {
    p.setPen(QPen(style::hairline, 1));
    for (const QLine& line : m_separators) p.drawLine(line);
  }
  p.setFont(skin_font(13, true));
  p.setPen(style::caption);
  for (const Heading& heading : m_headings) p.drawText(heading.at, heading.text);
}

void SubPage::keyPressEvent(QKeyEvent* event) {
  if (!swallow_enter_escape(event)) QWidget::keyPressEvent(event);
}

}  // namespace vela
