#include "serial_port_reports.h"

#include <QFile>
#include <QThread>

#include "serial_port.h"

namespace vela {

SerialPortReports::SerialPortReports(SerialPort& port, QObject* parent) : QObject(parent), m_port(port) {
  m_port.add_listener(this);
}

SerialPortReports::~SerialPortReports() { m_port.remove_listener(this); }

void SerialPortReports::deliver(std::function<void()> report) {
  if (QThread::currentThread() == thread()) {
    report();
    return;
  }
  // Dropped with this object if it goes before the window thread runs it.
  QMetaObject::invokeMethod(this, std::move(report), Qt::QueuedConnection);
}

void SerialPortReports::opened(const std::string& port, int baud) {
  const QString name = QFile::decodeName(port.c_str());
  deliver([this, name, baud] { emit serial_opened(name, baud); });
}

void SerialPortReports::open_failed(const std::string& port) {
  const QString name = QFile::decodeName(port.c_str());
  deliver([this, name] { emit serial_open_failed(name); });
}

void SerialPortReports::closed(const std::string& port) {
  const QString name = QFile::decodeName(port.c_str());
  deliver([this, name] { emit serial_closed(name); });
}

void SerialPortReports::line_lost(const std::string& port) {
  const QString name = QFile::decodeName(port.c_str());
  deliver([this, name] { emit serial_line_lost(name); });
}

}  // namespace vela
