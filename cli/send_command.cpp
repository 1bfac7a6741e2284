#include <arpa/inet.h>

#include <cstdio>

#include "commands.h"
#include "frame_options.h"
#include "link_session.h"

namespace vela::cli {
namespace {

int sent_or_failure(bool sent) {
  if (sent) return kExitOk;
  std::fprintf(stderr, "nothing was sent\n");
  return kExitFailure;
}

}  // namespace

int run_send(int argc, char** argv) {
  Arguments args(
      argc, argv, 2,
      {"--to", "--device-port", "--local-port", "--serial", "--baud", "--type", "--id", "--code", "--payload"});
  if (!args.ok()) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  if (args.has("--to") == args.has("--serial")) {
    print_usage_error("send wants either --to ADDRESS or --serial PATH");
    return kExitUsage;
  }
  const auto fields = read_frame_fields(args);
  if (!fields) return kExitUsage;

  LinkSettings settings;
  if (!read_link_ports(args, settings.device_port, settings.local_port)) return kExitUsage;
  LinkSession session(settings);
  DeviceEntry device;
  device.type = fields->type;
  device.id = fields->id;

  if (args.has("--to")) {
    in_addr parsed{};
    if (inet_pton(AF_INET, args.text("--to").c_str(), &parsed) != 1) {
      print_usage_error("--to wants an IPv4 address");
      return kExitUsage;
    }
    device.set_address(args.text("--to"));
    session.use_single_device(device);
    session.set_connection_mode(connection_mode::kNetwork);
    return sent_or_failure(session.send_command(fields->code, fields->payload));
  }

  const auto baud = args.number("--baud", 9600, 1, 4000000);
  if (!baud) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  if (!session.serial_port().open(args.text("--serial"), static_cast<int>(*baud))) {
    std::fprintf(stderr, "cannot open %s at %ld baud\n", args.text("--serial").c_str(), *baud);
    return kExitFailure;
  }
  session.use_single_device(device);
  session.set_connection_mode(connection_mode::kSerial);
  const bool sent = session.send_command(fields->code, fields->payload);
  session.serial_port().close();
  return sent_or_failure(sent);
}

}  // namespace vela::cli
