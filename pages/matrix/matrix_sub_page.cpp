#include "matrix/matrix_sub_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "control_id.h"
#include "enter_escape.h"
#include "matrix/matrix_page.h"
#include "skin_group_box.h"
#include "skin.h"
#include "skin_paint.h"
#include "style_sheets.h"

namespace vela {
namespace {
constexpr QRect kGroupBoxPlace(5, 5, 480, 410);
}

MatrixSubPageBase::MatrixSubPageBase(MatrixPage* page, int template_id, int background_bitmap, int group_box_id)
    : QWidget(page),
      m_context(page->context()),
      page_(page),
      template_id_(template_id),
      background_bitmap_(background_bitmap) {
  setAttribute(Qt::WA_StyledBackground, false);
  setStyleSheet(caption_label_style() + drop_down_list_style());
  group_box_ = new SkinGroupBox(this);
  set_control_id(group_box_, group_box_id);
  group_box_->setGeometry(kGroupBoxPlace);
}

void MatrixSubPageBase::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), Skin::pixmap(background_bitmap_, size()));
  for (const QLine& line : separators_) paint_groove(p, line.x1(), line.x2(), line.y1());
}

void MatrixSubPageBase::keyPressEvent(QKeyEvent* event) {
  if (!swallow_enter_escape(event)) QWidget::keyPressEvent(event);
}

}  // namespace vela
