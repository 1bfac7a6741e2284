// The set button: the connection dialog, created on first use and then kept.
#include "diagnostics.h"
#include "main_window.h"
#include "set_configure.h"

namespace {
constexpr QPoint kConfigureOffset(340, 100);
}

void CVela_16_VIEWDlg::show_configure() {
  if (m_pSetConfigure == nullptr) {
    vela::diag("m_pSetConfigure = null \n");
    m_pSetConfigure = new CSetConfigure(this);
    m_pSetConfigure->move(frameGeometry().topLeft() + kConfigureOffset);
    m_pSetConfigure->resize(CSetConfigure::kWidth, CSetConfigure::kHeight);
    watch_serial_port(m_pSetConfigure);
  }
  m_pSetConfigure->show();
  m_pSetConfigure->raise();
  m_pSetConfigure->activateWindow();
}
