#include "switcher/switcher_dialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin_paint.h"
#include "switcher/switcher_settings_widgets.h"

namespace vela {

SwitcherDialog::SwitcherDialog(PageContext& context, QWidget* parent, const QString& title, int template_id)
    : QDialog(parent), m_context(context), template_id_(template_id) {
  setModal(false);
  setWindowTitle(title);
  resize(kSize);
  setStyleSheet(switcher_widgets::window_style());
}

void SwitcherDialog::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_surface(p, QRectF(rect()));
}

void SwitcherDialog::keyPressEvent(QKeyEvent* event) {
  // Enter hides the dialog like Escape, whichever field or button has the
  // focus (the dialog has no default button to press).
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter) {
    QDialog::keyPressEvent(event);
    return;
  }
  event->accept();
  accept();
}

}  // namespace vela
