// The matrix switcher's two inputs: the lock reply the panel reads (lock and
// routing table) and the raw routing text the simulated device reads. What
// was read, written again by the builders, reads back the same.
#include <string_view>

#include "device_types.h"
#include "fuzz_support.h"
#include "matrix_protocol.h"

using namespace vela;
namespace mx = vela::matrix;

VELA_FUZZ_QUIET_INIT

namespace {

void check_lock_reply(const Bytes& datagram) {
  const auto lock = mx::read_lock_reply(datagram);
  if (lock) {
    fuzz::check(datagram.size() >= mx::lock_reply::kMinFrameLength && passes_framing_rule(datagram),
                "a lock read from a datagram too short or unframed");
  }
  const auto routes = mx::read_reply_routes(datagram);
  if (!routes) return;
  fuzz::check(lock.has_value(), "routes read from a reply whose lock was refused");
  const Bytes rebuilt = fuzz::exact_copy(build_frame(frame::kLinkUdp, device_type::kMatrix, 1, mx::code::kLockQuery,
                                                     mx::lock_reply_payload(*lock, *routes)));
  fuzz::check(mx::read_lock_reply(rebuilt) == lock && mx::read_reply_routes(rebuilt) == routes,
              "a rebuilt lock reply reads back differently");
}

void check_route_text(std::string_view text) {
  std::string error;
  const auto command = mx::parse_route_text(text, &error);
  if (!command) {
    fuzz::check(!error.empty(), "a text refused without a reason");
    return;
  }
  MatrixRoutes routes{};
  mx::apply_route_command(*command, routes);
  std::string again;
  switch (command->kind) {
    case mx::RouteCommand::Kind::Routes:
      fuzz::check(command->input >= 1 && command->input <= mx::kInputCount, "an input outside 1..8");
      again = mx::route_text(command->input, routes);
      break;
    case mx::RouteCommand::Kind::OneToAll:
      again = mx::one_to_all_text(command->input);
      break;
    case mx::RouteCommand::Kind::OneToOne:
      again = mx::kOneToOneText;
      break;
  }
  const auto reread = mx::parse_route_text(again);
  fuzz::check(
      reread && reread->kind == command->kind && reread->input == command->input && reread->outputs == command->outputs,
      "a routing text written again reads back differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes = fuzz::exact_copy(ByteView(data, size));
  check_lock_reply(bytes);
  check_route_text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return 0;
}
