#include "device.h"

#include <cstdio>

#include "command_names.h"

namespace vela::sim {
namespace {

constexpr std::size_t kSetAddressPayload = 12;

std::string dotted(ByteView four) {
  char text[16];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", four[0], four[1], four[2], four[3]);
  return text;
}

// A device on the simulator keeps its address: tests and demos depend on it.
std::string set_address_note(ByteView payload) {
  if (std::string note = short_payload_note(payload, kSetAddressPayload); !note.empty()) return note;
  return "not applied: address " + dotted(payload.subspan(0, 4)) + ", mask " + dotted(payload.subspan(4, 4)) +
         ", gateway " + dotted(payload.subspan(8, 4));
}

}  // namespace

std::string common_command_name(std::uint8_t code) { return vela::common_command_name(code); }

std::string short_payload_note(ByteView payload, std::size_t needed) {
  if (payload.size() >= needed) return {};
  return "ignored: payload of " + std::to_string(payload.size()) + " bytes, " + std::to_string(needed) + " needed";
}

Answer Device::handle(const Frame& request) {
  switch (request.code()) {
    case code::kSearch:
      return {search_reply(request), {}};
    case code::kSetAddress:
      return {std::nullopt, set_address_note(request.payload())};
    default:
      return {};
  }
}

Answer Device::handle_text(ByteView) { return {}; }

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
