#include <cstdio>

#include "commands.h"
#include "frame_options.h"
#include "hex_text.h"

namespace vela::cli {

int run_frame(int argc, char** argv) {
  Arguments args(argc, argv, 2, {"--type", "--id", "--link", "--code", "--payload"});
  if (!args.ok()) {
    print_usage_error(args.error());
    return kExitUsage;
  }
  const auto fields = read_frame_fields(args);
  if (!fields) return kExitUsage;
  const std::string link = args.text("--link", "udp");
  std::uint8_t flag = frame::kLinkUdp;
  if (link == "serial" || link == "0") {
    flag = frame::kLinkSerial;
  } else if (link != "udp" && link != "1") {
    print_usage_error("--link is udp or serial");
    return kExitUsage;
  }
  const Bytes f = build_frame(flag, fields->type, fields->id, fields->code, fields->payload);
  std::printf("%s\n", to_hex(f).c_str());
  return kExitOk;
}

}  // namespace vela::cli
