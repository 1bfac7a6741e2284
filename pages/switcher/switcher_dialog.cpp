#include "switcher/switcher_dialog.h"

#include <QPainter>

#include "skin_paint.h"
#include "switcher/switcher_settings_widgets.h"

namespace vela {

SwitcherDialog::SwitcherDialog(QWidget* parent, const QString& title, int template_id)
    : QDialog(parent), template_id_(template_id) {
  setModal(false);
  setWindowTitle(title);
  resize(kSize);
  setStyleSheet(switcher_widgets::window_style());
}

void SwitcherDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_surface(p, QRectF(rect()));
}

}  // namespace vela
