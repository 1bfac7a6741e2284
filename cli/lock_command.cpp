#include <arpa/inet.h>

#include <cstdio>

#include "commands.h"
#include "device_types.h"
#include "frame_options.h"
#include "link_session.h"
#include "matrix_exchanges.h"

namespace vela::cli {

int run_lock(int argc, char** argv) {
  Arguments args(argc, argv, 2, {"--to", "--device-port", "--local-port", "--type", "--id"});
  if (!args.ok()) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  if (!args.has("--to") || !args.has("--id")) {
    print_usage_error("lock wants --to ADDRESS and --id I");
    return kExitUsage;
  }
  in_addr parsed{};
  if (inet_pton(AF_INET, args.text("--to").c_str(), &parsed) != 1) {
    print_usage_error("--to wants an IPv4 address");
    return kExitUsage;
  }
  const auto type = args.number("--type", device_type::kMatrix, 0, 255);
  const auto id = args.number("--id", 0, 0, 255);
  if (!type || !id) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  LinkSettings settings;
  if (!read_link_ports(args, settings.device_port, settings.local_port)) return kExitUsage;

  LinkSession session(settings);
  DeviceEntry device;
  device.type = static_cast<std::uint8_t>(*type);
  device.id = static_cast<std::uint8_t>(*id);
  device.set_address(args.text("--to"));
  session.use_single_device(device);
  MatrixState state;
  if (!matrix_exchanges::query_lock(session, state)) {
    std::fprintf(stderr, "no lock came from %s\n", args.text("--to").c_str());
    return kExitFailure;
  }
  std::printf("lock %u\n", state.m_buttons_locked);
  return kExitOk;
}

}  // namespace vela::cli
