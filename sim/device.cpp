#include "device.h"

namespace vela::sim {

std::string common_command_name(std::uint8_t code) {
  switch (code) {
    case code::kSearch:
      return "search";
    case code::kSetAddress:
      return "set-address";
    default:
      return "unknown";
  }
}

std::optional<Bytes> Device::handle(const Frame& request) {
  if (request.code() == code::kSearch) return search_reply(request);
  return std::nullopt;
}

std::optional<Bytes> Device::handle_text(ByteView) { return std::nullopt; }

Bytes Device::make_reply(const Frame& request, std::uint8_t code, ByteView payload) const {
  return build_frame(request.link_flag(), config_.type, config_.id, code, payload);
}

Bytes Device::search_reply(const Frame& request) const {
  Bytes payload{0x00};
  payload.insert(payload.end(), config_.name.begin(), config_.name.end());
  for (const char c : std::string("-1-")) payload.push_back(static_cast<std::uint8_t>(c));
  return make_reply(request, code::kSearch, payload);
}

}  // namespace vela::sim
