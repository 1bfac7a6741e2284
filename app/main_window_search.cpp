// The scan button: the network search and the serial search.
#include <QComboBox>

#include "device_network_note.h"
#include "diagnostics.h"
#include "main_window.h"
#include "network_search.h"
#include "operator_message.h"
#include "serial_search.h"
#include "status_line.h"

namespace {

const QString kNoDeviceFound = QStringLiteral("No Device Found");

// Device names are bytes; each byte is one character of the same value.
QString latin1(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void MainWindow::on_scan() {
  if (m_link.connection_mode() == vela::connection_mode::kNetwork) {
    network_search();
  } else if (m_link.connection_mode() == vela::connection_mode::kSerial) {
    serial_search();
  }
}

void MainWindow::network_search() {
  vela::diag("net search \n");
  close_command_socket();
  // The last search's entries go only when its list still shows them.
  const bool listed = m_device_list->count() > 0;
  m_link.forget_devices(listed ? vela::DeviceTableEntries::Clear : vela::DeviceTableEntries::Keep);
  if (m_device_page != nullptr) {
    close_current_page();
    vela::diag("Init my rect \n");
  }
  if (listed) m_device_list->clear();
  m_network_note->show_for(m_device_list, -1);

  std::vector<vela::DiscoveredDevice> found;
  if (vela::network_search(m_link.udp_link(), found) == vela::SearchStatus::SocketFailed) {
    m_status_line->text().search_failed("no socket");
    vela::show_operator_message("Create socket err");
    vela::diag("create socket fail \n");
    return;
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    m_link.add_found_device(found[i].entry);
    m_device_list->insertItem(static_cast<int>(i), latin1(found[i].list_text()));
    vela::describe_device_network(m_device_list, static_cast<int>(i), found[i]);
  }
  vela::report_search(m_status_line->text(), found);
  if (found.empty()) {
    m_device_list->insertItem(0, kNoDeviceFound);
  } else {
    m_link.choose_device(0);
  }
  vela::diag("m_device_index = %d \n", m_link.device_index());
  m_device_list->setCurrentIndex(0);
  close_command_socket();
  select_device();
  vela::diag("search  over \n");
}

void MainWindow::serial_search() {
  vela::diag("com search \n");
  if (m_device_page != nullptr) {
    close_current_page();
    vela::diag("Init my rect \n");
  }
  if (m_device_list->count() > 0) m_device_list->clear();
  m_network_note->show_for(m_device_list, -1);

  const vela::SerialSearchResult result = m_link.search_serial();
  vela::report_serial_search(m_status_line->text(), result, m_link.serial_device(), m_link.serial_device_name());
  if (!result.port_open) {
    vela::show_operator_message("Please open the serial port first!");
    return;
  }
  if (result.name_count > 0) {
    m_device_list->insertItem(0, latin1(m_link.serial_device_name()));
  } else {
    m_device_list->insertItem(0, kNoDeviceFound);
  }
  m_device_list->setCurrentIndex(0);
  m_link.choose_device(0);
  select_device();
}
