#include "connection_form.h"

#include <QLabel>

#include "control_id.h"
#include "drop_down_list.h"

namespace vela::connection_form {

void add_caption(QWidget* form, const QString& text, const QRect& place) {
  auto* label = new QLabel(text, form);
  label->setProperty("caption", true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setGeometry(place);
}

QComboBox* add_list(QWidget* form, int id, const QRect& place) {
  auto* list = new DropDownList(form);
  set_control_id(list, id);
  list->setGeometry(place);
  return list;
}

}  // namespace vela::connection_form
