#include "switcher/switcher_settings_sub_page.h"

#include <QKeyEvent>
#include <QPainter>

#include "control_id.h"
#include "enter_escape.h"
#include "skin_group_box.h"
#include "skin_paint.h"
#include "switcher/switcher_settings_widgets.h"

namespace vela {

namespace {
constexpr QRect kGroupBoxPlace(5, 5, 240, 390);
}

SwitcherSettingsSubPage::SwitcherSettingsSubPage(PageContext& context, QWidget* parent, int template_id,
                                                 int group_box_id)
    : QWidget(parent), m_context(context), template_id_(template_id) {
  resize(kSize);
  setStyleSheet(switcher_widgets::window_style());
  group_box_ = new SkinGroupBox(this);
  set_control_id(group_box_, group_box_id);
  group_box_->setGeometry(kGroupBoxPlace);
}

void SwitcherSettingsSubPage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_surface(p, QRectF(rect()));
}

void SwitcherSettingsSubPage::keyPressEvent(QKeyEvent* event) {
  if (!swallow_enter_escape(event)) QWidget::keyPressEvent(event);
}

}  // namespace vela
