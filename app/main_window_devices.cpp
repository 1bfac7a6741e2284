// Device selection and the page of the current device.
#include <QComboBox>
#include <utility>

#include "device_network_note.h"
#include "device_page.h"
#include "diagnostics.h"
#include "heap_tidy.h"
#include "lm5530/lm5530_page.h"
#include "main_window.h"
#include "matrix/matrix_page.h"
#include "multiviewer/multiviewer_page.h"
#include "rk2207/rk2207_page.h"
#include "switcher/switcher_page.h"

void MainWindow::close_current_page() {
  if (m_device_page == nullptr) return;
  vela::DevicePage* page = std::exchange(m_device_page, nullptr);
  page->hide();
  page->close_page();
  // The handler that led here may belong to the page: free it once the
  // event loop is back.
  page->deleteLater();
  m_heap_tidy->page_closed();
}

vela::DeviceIdentity MainWindow::chosen_device() const {
  const vela::DeviceEntry& entry = *m_link.current_device();
  if (m_link.connection_mode() == vela::connection_mode::kSerial) {
    return {entry.type, entry.id, "serial " + m_link.serial_port().port_name()};
  }
  return {entry.type, entry.id, entry.address_text()};
}

void MainWindow::close_command_socket() {
  // The page's own senders use the socket until they are joined.
  if (m_device_page != nullptr) m_device_page->stop_senders();
  m_link.udp_link().close();
}

vela::DevicePage* MainWindow::create_page(vela::PageKind kind) {
  switch (kind) {
    case vela::PageKind::Rk2207:
      return new Rk2207Page(*this, this);
    case vela::PageKind::Matrix:
      return new MatrixPage(*this, this);
    case vela::PageKind::Multiviewer:
      return new MultiviewerPage(*this, this);
    case vela::PageKind::Lm5530:
      return new Lm5530Page(*this, this);
    case vela::PageKind::Switcher:
      return new SwitcherPage(*this, this);
    case vela::PageKind::None:
      break;
  }
  return nullptr;
}

void MainWindow::select_device() {
  vela::diag("m_device_index = %d \n ", m_link.device_index());
  m_network_note->show_for(m_device_list, m_link.device_index());
  if (m_link.device_index() < 0 || m_device_list->count() == 0) return;

  close_command_socket();
  close_current_page();

  vela::DeviceEntry& entry = *m_link.current_device();
  m_model_window_count = vela::model_window_count(entry.type);

  if (m_link.connection_mode() == vela::connection_mode::kSerial) {
    vela::diag(" only com \n");
  } else if (m_link.connection_mode() != vela::connection_mode::kNetwork) {
    vela::diag("com data wrong \n");
    return;
  }
  const vela::PageChoice choice = vela::choose_page(m_link.connection_mode(), entry.type, m_link.serial_device_type());
  if (choice.becomes_serial_default) {
    m_link.set_serial_device(vela::device_type::kLm5530, 0x01);
  }
  if (choice.type_unlisted) vela::diag("the device 's type is wrong \n");

  // The chosen device's records; what a device choice clears is cleared there.
  use_records_of(chosen_device());
  matrix().m_buttons_locked = 0;
  multiviewer().reset_selection_dependent();

  m_device_page = create_page(choice.kind);
  if (m_device_page == nullptr) {
    vela::diag("m_device_page is null \n");
    return;
  }
  m_device_page->setGeometry(m_page_area);
  m_device_page->show();
}
