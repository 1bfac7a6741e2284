#pragma once
// The panel's command-line options.
#include <QString>
#include <QStringList>

#include "udp_link.h"

namespace vela {

struct PanelOptions {
  LinkSettings link;
  QStringList extra_serial_ports;  // --serial-port, repeatable
  bool demo = false;               // start the simulator and point at it
  QString devsim_path;             // --devsim, where demo mode finds vela-devsim
  QString skin_dir;                // --skin, PNG overrides <id>.png
  QString screenshot_path;         // --screenshot: save the window after start
  bool scan_at_start = false;      // --scan: press scan once the window shows
  bool list_and_quit = false;      // --list-and-quit: print the device list, quit
  QString trace_path;              // --trace: the protocol trace as JSON lines
  QString select_text;             // --select: after the scan, choose the line holding it
  bool first_frame = false;        // --first-frame: report the first paint, quit
  bool ok = true;
  QString error;
};

// Parses the arguments (argv[0] included). --help prints and exits.
PanelOptions parse_panel_options(const QStringList& arguments);

}  // namespace vela
