#include <arpa/inet.h>

#include <cstdio>

#include "commands.h"
#include "frame_options.h"
#include "link_session.h"
#include "network_search.h"
#include "serial_search.h"
#include "utf8_text.h"

namespace vela::cli {
namespace {

void print_entry(const std::string& list_text, const std::string& address, const DeviceEntry& entry,
                 const std::string& network = {}) {
  std::printf("%s\t%s\t0x%02x\t%u", utf8_from_latin1(list_text).c_str(), address.c_str(), entry.type, entry.id);
  if (!network.empty()) std::printf("\t%s", network.c_str());
  std::printf("\n");
}

int network(Arguments& args) {
  LinkSettings settings;
  // One given address replaces the default destinations altogether.
  settings.search_every_network = !args.has("--broadcast");
  settings.broadcast = args.text("--broadcast", settings.broadcast);
  in_addr parsed{};
  if (inet_pton(AF_INET, settings.broadcast.c_str(), &parsed) != 1) {
    print_usage_error("--broadcast wants an IPv4 address");
    return kExitUsage;
  }
  if (!read_link_ports(args, settings.device_port, settings.local_port)) return kExitUsage;

  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  if (network_search(link, found) == SearchStatus::SocketFailed) {
    std::fprintf(stderr, "Create socket err\n");
    return kExitFailure;
  }
  link.close();
  if (found.empty()) std::printf("No Device Found\n");
  for (const auto& device : found)
    print_entry(device.list_text(), device.entry.address_text(), device.entry, device.network_text());
  return kExitOk;
}

int serial(Arguments& args) {
  const auto baud = args.number("--baud", 9600, 1, 4000000);
  if (!baud) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  LinkSession session;
  const std::string path = args.text("--serial");
  if (!session.serial_port().open(path, static_cast<int>(*baud))) {
    std::fprintf(stderr, "cannot open %s at %ld baud\n", path.c_str(), *baud);
    return kExitFailure;
  }
  const SerialSearchResult result = session.search_serial();
  session.serial_port().close();
  if (result.name_count <= 0) {
    std::printf("No Device Found\n");
    return kExitOk;
  }
  print_entry(session.serial_device_name(), path, session.serial_device());
  return kExitOk;
}

}  // namespace

int run_search(int argc, char** argv) {
  Arguments args(argc, argv, 2, {"--broadcast", "--device-port", "--local-port", "--serial", "--baud"});
  if (!args.ok()) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  return args.has("--serial") ? serial(args) : network(args);
}

}  // namespace vela::cli
