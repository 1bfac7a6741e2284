#include "connection_choices.h"

#include <QFile>
#include <string>
#include <vector>

#include "serial_port_list.h"

namespace vela {

QStringList connection_mode_names() { return {QStringLiteral("LAN Port"), QStringLiteral("Serial Port")}; }

QStringList baud_rate_names() {
  return {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
          QStringLiteral("115200")};
}

QStringList serial_port_names(const QStringList& extra_paths) {
  std::vector<std::string> extra;
  for (const QString& path : extra_paths) extra.push_back(QFile::encodeName(path).toStdString());
  QStringList names;
  for (const std::string& port : list_serial_ports(extra)) names << QFile::decodeName(port.c_str());
  return names;
}

}  // namespace vela
