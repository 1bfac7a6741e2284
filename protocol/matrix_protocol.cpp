#include "matrix_protocol.h"

#include <algorithm>
#include <charconv>

namespace vela::matrix {
namespace {

constexpr std::string_view kOneToAllSuffix = "All.";

bool fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

// A decimal number 1..limit at the front of `text`, consumed.
bool take_number(std::string_view& text, int limit, const char* what, std::uint8_t& out, std::string* error) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end == text.data()) return fail(error, std::string("no ") + what + " number");
  if (value < 1 || value > limit) return fail(error, std::string(what) + " " + std::to_string(value) + " outside 1..8");
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  out = static_cast<std::uint8_t>(value);
  return true;
}

bool parse_outputs(std::string_view text, RouteCommand& command, std::string* error) {
  while (true) {
    std::uint8_t output = 0;
    if (!take_number(text, kOutputCount, "output", output, error)) return false;
    command.outputs[output - 1] = true;
    if (text == ".") return true;
    if (text.empty() || text.front() != ',') return fail(error, "expected ',' or '.' after an output");
    text.remove_prefix(1);
  }
}

}  // namespace

std::string command_name(std::uint8_t command_code) {
  switch (command_code) {
    case code::kLockQuery:
      return "lock-query";
    case code::kLockSet:
      return "lock-set";
    default:
      return "unknown";
  }
}

std::string route_text(std::uint8_t input, const MatrixRoutes& routes) {
  std::string outputs;
  for (int j = 1; j <= kOutputCount; ++j) {
    if (routes[j - 1] == input) outputs += std::to_string(j) + ',';
  }
  if (outputs.empty()) return {};
  outputs.back() = '.';
  return std::to_string(input) + 'V' + outputs;
}

std::string one_to_all_text(std::uint8_t input) { return std::to_string(input) + std::string(kOneToAllSuffix); }

Bytes lock_payload(std::uint8_t value) { return Bytes{value}; }

Bytes lock_reply_payload(std::uint8_t lock, const MatrixRoutes& routes) {
  Bytes payload(2 + routes.size(), 0x00);
  payload[1] = lock;
  std::copy(routes.begin(), routes.end(), payload.begin() + 2);
  return payload;
}

std::optional<std::uint8_t> read_lock_reply(ByteView datagram) {
  if (datagram.size() < lock_reply::kMinFrameLength || !passes_framing_rule(datagram)) return std::nullopt;
  return datagram[lock_reply::kLock];
}

std::optional<MatrixRoutes> read_reply_routes(ByteView datagram) {
  if (datagram.size() < lock_reply::kFrameLength || !passes_framing_rule(datagram)) return std::nullopt;
  MatrixRoutes routes{};
  for (std::size_t j = 0; j < routes.size(); ++j) routes[j] = datagram[lock_reply::kRoutes + j];
  return routes;
}

std::optional<RouteCommand> parse_route_text(std::string_view text, std::string* error) {
  RouteCommand command;
  if (text == kOneToOneText) {
    command.kind = RouteCommand::Kind::OneToOne;
    return command;
  }
  if (!take_number(text, kInputCount, "input", command.input, error)) return std::nullopt;
  if (text == kOneToAllSuffix) {
    command.kind = RouteCommand::Kind::OneToAll;
    return command;
  }
  if (text.empty() || text.front() != 'V') {
    fail(error, "expected 'V' or \"All.\" after the input");
    return std::nullopt;
  }
  text.remove_prefix(1);
  if (!parse_outputs(text, command, error)) return std::nullopt;
  return command;
}

void apply_route_command(const RouteCommand& command, MatrixRoutes& routes) {
  for (int j = 1; j <= kOutputCount; ++j) {
    std::uint8_t& entry = routes[j - 1];
    switch (command.kind) {
      case RouteCommand::Kind::Routes:
        if (command.outputs[j - 1]) entry = command.input;
        break;
      case RouteCommand::Kind::OneToAll:
        entry = command.input;
        break;
      case RouteCommand::Kind::OneToOne:
        entry = static_cast<std::uint8_t>(j);
        break;
    }
  }
}

}  // namespace vela::matrix
