#include "matrix_device.h"

namespace vela::sim {

Answer MatrixDevice::handle(const Frame& request) {
  switch (request.code()) {
    case matrix::code::kLockQuery:
      return {make_reply(request, matrix::code::kLockQuery, matrix::lock_reply_payload(lock_, routes_)), {}};
    case matrix::code::kLockSet: {
      const ByteView payload = request.payload();
      if (std::string note = short_payload_note(payload, 1); !note.empty()) return {std::nullopt, note};
      lock_ = payload[0];
      return {};
    }
    default:
      return Device::handle(request);
  }
}

Answer MatrixDevice::handle_text(ByteView text) {
  std::string error;
  const std::string_view chars(reinterpret_cast<const char*>(text.data()), text.size());
  const std::optional<matrix::RouteCommand> command = matrix::parse_route_text(chars, &error);
  if (!command) return {std::nullopt, "ignored: " + error};
  matrix::apply_route_command(*command, routes_);
  return {};
}

std::string MatrixDevice::command_name(std::uint8_t code) const {
  if (code == vela::code::kSearch || code == vela::code::kSetAddress) return common_command_name(code);
  return matrix::command_name(code);
}

}  // namespace vela::sim
