#pragma once
// The serial ports of the system, as device paths for the port list of the
// connection dialog.
#include <string>
#include <vector>

namespace vela {

// Where the ports are looked for; tests point these at a directory of their own.
struct SerialScanRoots {
  std::string dev_dir = "/dev";                  // ttyS*, ttyUSB*, ttyACM*, ttyAMA*, rfcomm*, serial/by-id/*
  std::string tty_class_dir = "/sys/class/tty";  // tells the real ttyS* ports from the unused ones
};

// Every serial device path found under the roots, plus every non-empty extra
// path, without duplicates, sorted as text (so ttyS10 precedes ttyS2).
//
// A ttySN is listed only when it is a real port: its "type" attribute in
// the tty class directory is not 0 (the driver found no UART behind it), or,
// without that attribute, when the class entry names a driver. No device is
// opened.
std::vector<std::string> list_serial_ports(const std::vector<std::string>& extra_paths = {},
                                           const SerialScanRoots& roots = {});

}  // namespace vela
