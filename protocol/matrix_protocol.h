#pragma once
// The matrix switcher's command set (types 0x81 and 0x82): the routing texts
// that travel raw, without a frame, and the framed button lock, for the page
// and the simulator alike.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame.h"
#include "matrix_state.h"

namespace vela::matrix {

namespace code {
inline constexpr std::uint8_t kLockQuery = 0x50;
inline constexpr std::uint8_t kLockSet = 0x51;
}  // namespace code

// Name of a matrix command code for logs; "unknown" for other codes.
std::string command_name(std::uint8_t command_code);

// The lock query's reply window; the reply is taken by the framing rule.
inline constexpr int kLockWindowMs = 200;
// Routing texts get a longer pause than frames before their socket closes.
inline constexpr int kTextPauseMs = 20;

// Lock reply layout (frame offsets). Payload byte 0 has no use on the panel;
// the routing table after the lock is the device's own, for checks.
namespace lock_reply {
inline constexpr std::size_t kLock = 18;
inline constexpr std::size_t kRoutes = 19;
// The shortest frame that carries the lock: payload bytes 0 and 1, checksum, end.
inline constexpr std::size_t kMinFrameLength = kLock + 4;
inline constexpr std::size_t kFrameLength = kRoutes + kOutputCount + 3;
}  // namespace lock_reply

// The texts. route_text is "<input>V<o1>,<o2>,...<on>." for every output
// carrying the input, ascending; empty when no output carries it.
std::string route_text(std::uint8_t input, const MatrixRoutes& routes);
std::string one_to_all_text(std::uint8_t input);
inline constexpr const char* kOneToOneText = "All#.";

Bytes lock_payload(std::uint8_t value);
// The lock payload the device answers with: 0, the lock, its routing table.
Bytes lock_reply_payload(std::uint8_t lock, const MatrixRoutes& routes);

// The lock from a datagram that passed the framing rule, only when it is
// long enough to carry it (a 20-byte echo of the query would read its
// checksum as the lock).
std::optional<std::uint8_t> read_lock_reply(ByteView datagram);
// The routing table of a whole lock reply of kFrameLength bytes or more.
std::optional<MatrixRoutes> read_reply_routes(ByteView datagram);

// A routing text as the device reads it.
struct RouteCommand {
  enum class Kind { Routes, OneToAll, OneToOne };
  Kind kind = Kind::Routes;
  std::uint8_t input = 0;                    // 1..8 (Routes, OneToAll)
  std::array<bool, kOutputCount> outputs{};  // Routes: the outputs named
};

// Parses one whole text; on failure `error` says why (when given).
std::optional<RouteCommand> parse_route_text(std::string_view text, std::string* error = nullptr);
void apply_route_command(const RouteCommand& command, MatrixRoutes& routes);

}  // namespace vela::matrix
