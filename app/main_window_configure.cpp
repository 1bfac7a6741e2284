// The set button: the connection dialog, created on first use and then kept.
#include "diagnostics.h"
#include "main_window.h"
#include "connection_dialog.h"

namespace {
constexpr QPoint kConfigureOffset(340, 100);
}

void MainWindow::show_configure() {
  if (m_pSetConfigure == nullptr) {
    vela::diag("m_pSetConfigure = null \n");
    m_pSetConfigure = new ConnectionDialog(*this, this);
    m_pSetConfigure->move(frameGeometry().topLeft() + kConfigureOffset);
    m_pSetConfigure->resize(ConnectionDialog::kWidth, ConnectionDialog::kHeight);
  }
  m_pSetConfigure->show();
  m_pSetConfigure->raise();
  m_pSetConfigure->activateWindow();
}
