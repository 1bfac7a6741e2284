#include "message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QThread>

#include "page_context.h"

namespace vela {

void show_err_box(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Err"), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.exec();
}

OperatorMessageHandler install_message_box_handler(QWidget* parent, MessageBoxShow show) {
  if (!show) show = show_err_box;
  QPointer<QWidget> owner(parent);
  return set_operator_message_handler([owner, show](const std::string& message) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return;
    const QString text = QString::fromStdString(message);
    // The owner is only looked at on the window thread, where it may be deleted.
    auto show_there = [owner, show, text] { show(owner.data(), text); };
    if (QThread::currentThread() == app->thread()) {
      show_there();
    } else {
      PageContext::post_to_window_thread(show_there);
    }
  });
}

}  // namespace vela
