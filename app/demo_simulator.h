#pragma once
// Demo mode: a vela-devsim child process with one device of every type on
// loopback and one on a pseudo-terminal, ended with the panel.
#include <QProcess>
#include <QString>

#include "udp_link.h"

namespace vela {

class DemoSimulator {
 public:
  DemoSimulator() = default;
  ~DemoSimulator();
  DemoSimulator(const DemoSimulator&) = delete;
  DemoSimulator& operator=(const DemoSimulator&) = delete;

  // Starts the simulator and waits until it is ready. On success the link
  // settings point at it and serial_path() is its pseudo-terminal.
  bool start(const QString& devsim_path, LinkSettings& settings);
  void stop();

  const QString& serial_path() const { return serial_path_; }
  const QString& error() const { return error_; }

  // Where vela-devsim is: the given path, beside the panel, or in the build.
  static QString locate(const QString& given);

 private:
  QProcess process_;
  QString serial_path_;
  QString error_;
};

}  // namespace vela
