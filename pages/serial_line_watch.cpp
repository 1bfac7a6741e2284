#include "serial_line_watch.h"

#include "serial_port.h"

namespace vela {

SerialLineWatch::SerialLineWatch(QObject* page, SerialPort& port, ClosedHandler on_closed)
    : QObject(page), m_port(port), m_timer(this), m_on_closed(std::move(on_closed)) {
  m_timer.setInterval(kCheckIntervalMs);
  connect(&m_timer, &QTimer::timeout, this, &SerialLineWatch::check);
}

void SerialLineWatch::watch(bool open) {
  if (open)
    m_timer.start();
  else
    m_timer.stop();
}

void SerialLineWatch::check() {
  if (m_port.is_open()) return;
  m_timer.stop();
  // A lost line still holds its descriptor until the port is closed.
  m_port.close();
  m_on_closed();
}

}  // namespace vela
