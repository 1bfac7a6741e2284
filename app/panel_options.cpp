#include "panel_options.h"

#include <QCommandLineParser>
#include <arpa/inet.h>

namespace vela {
namespace {

bool read_port(const QCommandLineParser& parser, const QString& name, std::uint16_t& port, PanelOptions& options) {
  if (!parser.isSet(name)) return true;
  bool ok = false;
  const uint value = parser.value(name).toUInt(&ok);
  if (!ok || value == 0 || value > 65535) {
    options.ok = false;
    options.error = QStringLiteral("--%1 wants a port number from 1 to 65535").arg(name);
    return false;
  }
  port = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace

PanelOptions parse_panel_options(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("vela control panel: finds broadcast video devices on the network or a serial line and "
                     "drives the one you pick."));
  parser.addHelpOption();
  parser.addOptions({
      {QStringLiteral("device-port"), QStringLiteral("UDP port of the devices (default 7000)."), QStringLiteral("N")},
      {QStringLiteral("local-port"), QStringLiteral("Local UDP port of the panel (default 7000)."),
       QStringLiteral("N")},
      {QStringLiteral("broadcast"),
       QStringLiteral("Send the device search to ADDR only. Default: 255.255.255.255 and the broadcast address "
                      "of every network of this computer (up, not loopback, able to broadcast)."),
       QStringLiteral("ADDR")},
      {QStringLiteral("serial-port"), QStringLiteral("Add a serial device path to the port lists (repeatable)."),
       QStringLiteral("PATH")},
      {QStringLiteral("demo"),
       QStringLiteral("Start the device simulator with one device of every type on loopback and one on a "
                      "pseudo-terminal, and point the panel at it.")},
      {QStringLiteral("devsim"), QStringLiteral("Path of vela-devsim for --demo."), QStringLiteral("PATH")},
      {QStringLiteral("skin"), QStringLiteral("Directory of <id>.png pictures that replace the drawn skin."),
       QStringLiteral("DIR")},
      {QStringLiteral("scan"), QStringLiteral("Press scan once the window is shown.")},
      {QStringLiteral("list-and-quit"),
       QStringLiteral("Once shown (and after the scan with --scan), print every device list line as "
                      "\"device list: TEXT\" on standard output, then quit.")},
      {QStringLiteral("trace"),
       QStringLiteral("Write every frame sent and received, and every reply that did not come, to FILE as JSON "
                      "lines from start-up on."),
       QStringLiteral("FILE")},
      {QStringLiteral("screenshot"),
       QStringLiteral("Save the window to a PNG file once it is shown (after the scan with --scan), then quit."),
       QStringLiteral("FILE")},
      {QStringLiteral("select"),
       QStringLiteral("After the scan (with --scan), choose the first device list line that holds TEXT, as an "
                      "operator would, and say so on standard error."),
       QStringLiteral("TEXT")},
      {QStringLiteral("first-frame"),
       QStringLiteral("Once the window has painted for the first time, print \"first frame: N widgets\" on "
                      "standard output, then quit (for start-up measurements).")},
  });
  PanelOptions options;
  parser.process(arguments);
  read_port(parser, QStringLiteral("device-port"), options.link.device_port, options);
  read_port(parser, QStringLiteral("local-port"), options.link.local_port, options);
  if (parser.isSet(QStringLiteral("broadcast"))) {
    const QString address = parser.value(QStringLiteral("broadcast"));
    in_addr parsed{};
    if (inet_pton(AF_INET, address.toStdString().c_str(), &parsed) != 1) {
      options.ok = false;
      options.error = QStringLiteral("--broadcast wants an IPv4 address");
    }
    options.link.broadcast = address.toStdString();
  }
  options.extra_serial_ports = parser.values(QStringLiteral("serial-port"));
  options.demo = parser.isSet(QStringLiteral("demo"));
  // A given address, or the demo's loopback simulator, replaces the default
  // destinations altogether.
  options.link.search_every_network = !parser.isSet(QStringLiteral("broadcast")) && !options.demo;
  options.devsim_path = parser.value(QStringLiteral("devsim"));
  options.skin_dir = parser.value(QStringLiteral("skin"));
  options.scan_at_start = parser.isSet(QStringLiteral("scan"));
  options.screenshot_path = parser.value(QStringLiteral("screenshot"));
  options.list_and_quit = parser.isSet(QStringLiteral("list-and-quit"));
  options.trace_path = parser.value(QStringLiteral("trace"));
  options.select_text = parser.value(QStringLiteral("select"));
  options.first_frame = parser.isSet(QStringLiteral("first-frame"));
  return options;
}

}  // namespace vela
