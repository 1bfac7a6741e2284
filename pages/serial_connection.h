#pragma once
// What a connection page does with the panel's serial port, whichever page
// shows it: the connection mode the operator picks, the port opened or closed
// with the chosen name and rate, whether the page holds it open, and a port
// that closes under the page (its line lost, or closed elsewhere) noticed and
// released. The page only shows what it is told.
#include <QObject>
#include <QString>

class QComboBox;
class Ipv4AddressEdit;

namespace vela {

class PageContext;
class SerialLineWatch;

// The console lines a page prints as it connects; null prints nothing.
struct ConnectDiagnostics {
  const char* closing_open_port = nullptr;  // an open port is closed first
  const char* opened = nullptr;
  const char* open_failed = nullptr;
};

class SerialConnection : public QObject {
  Q_OBJECT
 public:
  // Mode list entries, by index.
  static constexpr int kLanPortIndex = 0;
  static constexpr int kSerialPortIndex = 1;

  SerialConnection(PageContext& context, QObject* page, ConnectDiagnostics diagnostics = {});

  // Fills the page's form from the panel: the modes with the current one
  // chosen, the current device's address (blank without one), the ports and
  // the rates with the first of each chosen.
  void fill_form(QComboBox* mode_list, Ipv4AddressEdit* address, QComboBox* port_list, QComboBox* baud_list) const;

  // True while this page holds the port it opened.
  bool connected() const { return m_connected; }
  // The operator's pick in the mode list; true when it is the serial port.
  // The port stays as it is either way.
  bool choose_mode(int index);
  // The operator's Connect (or Disconnect, while connected).
  void connect_or_disconnect(const QString& port_name, int baud);
  // The page stops counting the port as its own; the port stays open.
  void let_go();

 signals:
  void port_opened();
  // Closed by the operator here, or found closed under the page.
  void port_closed();
  void connected_changed(bool connected);

 private:
  void show_port_closed();
  void set_connected(bool connected);

  PageContext& m_context;
  ConnectDiagnostics m_diagnostics;
  SerialLineWatch* m_line_watch = nullptr;
  bool m_connected = false;
};

}  // namespace vela
