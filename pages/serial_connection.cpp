#include "serial_connection.h"

#include <QComboBox>
#include <QFile>

#include "connection_choices.h"
#include "diagnostics.h"
#include "ipv4_address_edit.h"
#include "page_context.h"
#include "serial_line_watch.h"

namespace vela {
namespace {

void say(const char* line) {
  if (line != nullptr) diag("%s", line);
}

}  // namespace

SerialConnection::SerialConnection(PageContext& context, QObject* page, ConnectDiagnostics diagnostics)
    : QObject(page), m_context(context), m_diagnostics(diagnostics) {
  m_line_watch = new SerialLineWatch(this, m_context.m_link.serial_port(), [this] { show_port_closed(); });
}

void SerialConnection::fill_form(QComboBox* mode_list, Ipv4AddressEdit* address, QComboBox* port_list,
                                 QComboBox* baud_list) const {
  const LinkSession& link = m_context.m_link;
  if (const DeviceEntry* device = link.current_device())
    address->set_address_text(QString::fromStdString(device->address_text()));
  port_list->addItems(serial_port_names(m_context.m_extra_serial_ports));
  port_list->setCurrentIndex(port_list->count() > 0 ? 0 : -1);
  baud_list->addItems(baud_rate_names());
  baud_list->setCurrentIndex(0);
  mode_list->addItems(connection_mode_names());
  const std::int32_t mode = link.connection_mode();
  mode_list->setCurrentIndex(mode >= 0 && mode < mode_list->count() ? mode : -1);
}

bool SerialConnection::choose_mode(int index) {
  const bool serial = index == kSerialPortIndex;
  m_context.m_link.set_connection_mode(serial ? connection_mode::kSerial : connection_mode::kNetwork);
  return serial;
}

void SerialConnection::connect_or_disconnect(const QString& port_name, int baud) {
  SerialPort& com = m_context.m_link.serial_port();
  if (m_connected) {
    com.close(SerialPort::kDefaultCloseWaitMs);
    show_port_closed();
    return;
  }
  const std::string port = QFile::encodeName(port_name).toStdString();
  if (com.is_open()) {
    say(m_diagnostics.closing_open_port);
    com.close(SerialPort::kDefaultCloseWaitMs);
  }
  const bool opened = com.open(port, baud);
  say(opened ? m_diagnostics.opened : m_diagnostics.open_failed);
  if (!opened) return;
  emit port_opened();
  set_connected(true);
}

void SerialConnection::let_go() { set_connected(false); }

void SerialConnection::show_port_closed() {
  emit port_closed();
  set_connected(false);
}

void SerialConnection::set_connected(bool connected) {
  m_connected = connected;
  m_line_watch->watch(connected);
  emit connected_changed(connected);
}

}  // namespace vela
