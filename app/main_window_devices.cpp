// Device selection and the page of the current device.
#include <QComboBox>
#include <utility>

#include "device_network_note.h"
#include "device_page.h"
#include "diagnostics.h"
#include "heap_tidy.h"
#include "lm5530/class_new_lm5530_dlg.h"
#include "main_window.h"
#include "matrix/class_matrix_control.h"
#include "multiviewer/class_16view_dlg.h"
#include "rk2207/class_rk2207_main_dlg.h"
#include "switcher/class_switcher_dlg.h"

void CVela_16_VIEWDlg::close_current_page() {
  if (m_p_mian_show_dlg == nullptr) return;
  vela::DevicePage* page = std::exchange(m_p_mian_show_dlg, nullptr);
  page->hide();
  page->close_page();
  // The handler that led here may belong to the page: free it once the
  // event loop is back.
  page->deleteLater();
  m_heap_tidy->page_closed();
}

vela::DevicePage* CVela_16_VIEWDlg::create_page(vela::PageKind kind) {
  switch (kind) {
    case vela::PageKind::Rk2207:
      return new CClass_rk2207_main_dlg(this);
    case vela::PageKind::Matrix:
      return new CClass_matrix_control(this);
    case vela::PageKind::Multiviewer:
      return new CClass_16view_dlg(this);
    case vela::PageKind::Lm5530:
      return new CClass_new_lm5530_dlg(this);
    case vela::PageKind::Switcher:
      return new CClass_switcher_dlg(this);
    case vela::PageKind::None:
      break;
  }
  return nullptr;
}

void CVela_16_VIEWDlg::select_device() {
  vela::diag("m_device_index = %d \n ", m_link.m_device_index);
  m_network_note->show_for(m_device_list, m_link.m_device_index);
  if (m_link.m_device_index < 0 || m_device_list->count() == 0) return;

  m_matrix.m_matrix_btn_lock = 0;
  m_multiviewer.reset_selection_dependent();
  const int socket = m_link.udp.m_udpSockfd;
  if (socket != 0 && socket != -1) m_link.udp.close();
  close_current_page();

  vela::DeviceEntry& entry = *m_link.current_device();
  m_model_window_count = vela::model_window_count(entry.type);

  if (m_link.m_eState == vela::connection_mode::kSerial) {
    vela::diag(" only com \n");
  } else if (m_link.m_eState != vela::connection_mode::kNetwork) {
    vela::diag("com data wrong \n");
    return;
  }
  const vela::PageChoice choice = vela::choose_page(m_link.m_eState, entry.type, m_link.m_main_com_dev_type);
  if (choice.becomes_serial_default) {
    m_link.device_table[0].type = vela::device_type::kLm5530;
    m_link.device_table[0].id = 0x01;
  }
  if (choice.type_unlisted) vela::diag("the device 's type is wrong \n");

  m_p_mian_show_dlg = create_page(choice.kind);
  if (m_p_mian_show_dlg == nullptr) {
    vela::diag("m_p_mian_show_dlg is null \n");
    return;
  }
  m_p_mian_show_dlg->setGeometry(m_page_area);
  m_p_mian_show_dlg->show();
}
