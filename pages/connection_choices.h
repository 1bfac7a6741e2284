#pragma once
// What every connection control of the panel offers (the connection dialog
// and the matrix's connection sub-page): the two connection modes, the five
// baud rates and the serial ports, the system's and those the panel was
// started with (--serial-port).
#include <QStringList>

namespace vela {

// Mode list items, by connection mode: "LAN Port", "Serial Port".
QStringList connection_mode_names();
// "9600" to "115200", slowest first.
QStringList baud_rate_names();
// Serial device paths sorted as text, each once.
QStringList serial_port_names(const QStringList& extra_paths);

}  // namespace vela
