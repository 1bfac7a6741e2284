#include "control_id.h"

#include <QVariant>

namespace vela {

namespace {
constexpr const char* id_property = "controlId";
}

QString control_object_name(int id) { return QStringLiteral("id%1").arg(id); }

void set_control_id(QWidget* control, int id) {
  control->setObjectName(control_object_name(id));
  control->setProperty(id_property, id);
}

int control_id(const QWidget* control) {
  bool ok = false;
  const int id = control->property(id_property).toInt(&ok);
  return ok ? id : -1;
}

}  // namespace vela
