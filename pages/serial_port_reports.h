#pragma once
// The serial port's reports as signals on the window thread: at once when the
// port is opened or closed there, posted when another thread noticed its
// line go. Made on the window thread; it must go before the port does.
#include <QObject>
#include <QString>
#include <functional>

#include "serial_port_listener.h"

namespace vela {

class SerialPort;

class SerialPortReports : public QObject, private SerialPortListener {
  Q_OBJECT
 public:
  explicit SerialPortReports(SerialPort& port, QObject* parent = nullptr);
  ~SerialPortReports() override;

 signals:
  void serial_opened(const QString& port, int baud);
  void serial_open_failed(const QString& port);
  void serial_closed(const QString& port);
  void serial_line_lost(const QString& port);

 private:
  void opened(const std::string& port, int baud) override;
  void open_failed(const std::string& port) override;
  void closed(const std::string& port) override;
  void line_lost(const std::string& port) override;
  // Runs report now on the window thread, or posts it there.
  void deliver(std::function<void()> report);

  SerialPort& m_port;
};

}  // namespace vela
