#include "enter_escape.h"

#include <QKeyEvent>

#include "diagnostics.h"

namespace vela {

bool swallow_enter_escape(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
  event->accept();
  diag(" mian  esc  \n");
  return true;
}

}  // namespace vela
