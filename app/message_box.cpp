#include "message_box.h"

#include <QMessageBox>
#include <QPointer>

#include "operator_message.h"

namespace vela {

void install_message_box_handler(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  set_operator_message_handler([owner](const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Err"), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner.data());
    box.exec();
  });
}

}  // namespace vela
