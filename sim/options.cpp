#include "options.h"

#include <arpa/inet.h>

#include <algorithm>
#include <charconv>
#include <fstream>

#include "errors.h"

namespace vela::sim {

const char* const kUsage =
    "usage: vela-devsim [--port N] [--broadcast-listen ADDR] [--device DEVICE]... [--config FILE]\n"
    "                   [--serial DEVICE] [--serial-link PATH] [--log FILE]\n"
    "                   [--loss PCT] [--duplicate PCT] [--reorder PCT] [--delay MS] [--jitter MS] [--seed N]\n"
    "  DEVICE: type=T,id=I,name=NAME[,addr=A][,signal=WINDOWS][,silent][,delay=MS][,twice][,foreign]\n"
    "          [,hostile[=FLOOD]][,split=PIECES:PAUSE_MS][,names=ANSWER]\n"
    "  WINDOWS: all, none or multiviewer windows such as 1-4,9 (default: every window with a source)\n"
    "  ANSWER: how a production switcher answers camera names: accept (default), refuse or silent\n"
    "  hostile: forged and malformed datagrams before every answer, then FLOOD small ones (default 2000)\n"
    "  --loss, --duplicate, --reorder, --delay, --jitter: every UDP datagram, received and sent, is lost,\n"
    "          duplicated or held back behind later ones with these chances, and delayed (+- jitter);\n"
    "          --seed makes a run repeatable; the counts go to standard error at the end\n"
    "control lines on standard input:\n"
    "  signal NAME WINDOWS    which windows of a multiviewer carry a signal\n"
    "  silent NAME on|off     the device stops or starts answering\n"
    "  line NAME cut          the serial device closes its terminal for good\n";

namespace {

void set_serial(SimOptions& options, const std::string& text) {
  if (options.serial_device) throw UsageError("only one serial device can be simulated");
  options.serial_device = parse_device_config(text, Carrier::Serial);
}

std::uint16_t parse_port(const std::string& text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 1 || value > 65535)
    throw UsageError("--port " + text + ": expected 1 to 65535");
  return static_cast<std::uint16_t>(value);
}

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

}  // namespace

SimOptions parse_command_line(int argc, const char* const* argv) {
  SimOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--help" || option == "-h") {
      options.help = true;
      continue;
    }
    if (is_impairment_option(option)) {
      if (i + 1 >= argc) throw UsageError(option + ": value missing");
      set_impairment_option(option, argv[++i], options.impairment);
      continue;
    }
    static const char* const kWithValue[] = {"--port",   "--broadcast-listen", "--device", "--config",
                                             "--serial", "--serial-link",      "--log"};
    if (std::find(std::begin(kWithValue), std::end(kWithValue), option) == std::end(kWithValue))
      throw UsageError("unknown option: " + option);
    if (i + 1 >= argc) throw UsageError(option + ": value missing");
    const std::string value = argv[++i];
    if (option == "--port") {
      options.port = parse_port(value);
    } else if (option == "--broadcast-listen") {
      in_addr parsed{};
      if (inet_pton(AF_INET, value.c_str(), &parsed) != 1)
        throw UsageError("--broadcast-listen " + value + ": not an IPv4 address");
      options.broadcast_listen = value;
    } else if (option == "--device") {
      options.udp_devices.push_back(parse_device_config(value, Carrier::Udp));
    } else if (option == "--config") {
      load_config_file(value, options);
    } else if (option == "--serial") {
      set_serial(options, value);
    } else if (option == "--serial-link") {
      options.serial_link = value;
    } else if (option == "--log") {
      options.log_path = value;
    }
  }
  if (options.serial_link && !options.serial_device) throw UsageError("--serial-link needs --serial");
  return options;
}

void load_config_file(const std::string& path, SimOptions& options) {
  std::ifstream in(path);
  if (!in) throw UsageError("cannot read configuration file " + path);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = trim(line);
    if (line.empty() || line[0] == '#') continue;
    const std::size_t space = line.find_first_of(" \t");
    const std::string keyword = line.substr(0, space);
    const std::string text = space == std::string::npos ? std::string() : trim(line.substr(space));
    try {
      if (keyword == "device") {
        options.udp_devices.push_back(parse_device_config(text, Carrier::Udp));
      } else if (keyword == "serial") {
        set_serial(options, text);
      } else {
        throw UsageError("expected 'device DEVICE' or 'serial DEVICE'");
      }
    } catch (const UsageError& error) {
      throw UsageError(path + ":" + std::to_string(number) + ": " + error.what());
    }
  }
}

}  // namespace vela::sim
