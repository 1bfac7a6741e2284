#pragma once
// Keeps a connection page honest about the serial port it opened: while the
// page shows the port open, a port that closed under it (its line lost, see
// SerialPort, or closed elsewhere in the panel) is noticed within a moment;
// the watch then releases the port and tells the page once, so that it shows
// the port closed. The port itself tells who listens that its line was lost.
#include <QObject>
#include <QTimer>
#include <functional>

namespace vela {

class SerialPort;

class SerialLineWatch : public QObject {
 public:
  static constexpr int kCheckIntervalMs = 200;

  using ClosedHandler = std::function<void()>;
  SerialLineWatch(QObject* page, SerialPort& port, ClosedHandler on_closed);

  // The page shows the port open, or closed.
  void watch(bool open);

 private:
  void check();

  SerialPort& m_port;
  QTimer m_timer;
  ClosedHandler m_on_closed;
};

}  // namespace vela
