// The set button: the connection dialog, created on first use and then kept.
#include "diagnostics.h"
#include "main_window.h"
#include "connection_dialog.h"

namespace {
constexpr QPoint kConfigureOffset(340, 100);
}

void MainWindow::show_configure() {
  if (m_connection_dialog == nullptr) {
    vela::diag("m_pSetConfigure = null \n");
    m_connection_dialog = new ConnectionDialog(*this, this);
    m_connection_dialog->move(frameGeometry().topLeft() + kConfigureOffset);
    m_connection_dialog->resize(ConnectionDialog::kWidth, ConnectionDialog::kHeight);
  }
  m_connection_dialog->show();
  m_connection_dialog->raise();
  m_connection_dialog->activateWindow();
}
