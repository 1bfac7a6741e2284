#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

namespace vela {

// Every control carries the id its page gives it: objectName "id<N>" and the
// property "controlId" = N, so tests and tools find it by that id.
void set_control_id(QWidget* control, int id);

// The id set by set_control_id, or -1 when the widget has none.
int control_id(const QWidget* control);

QString control_object_name(int id);

// The first descendant of root with the given id and type, or nullptr.
template <class T = QWidget>
T* find_control(const QObject* root, int id) {
  return root ? root->findChild<T*>(control_object_name(id)) : nullptr;
}

}  // namespace vela
