#pragma once
// One simulated device as given on the command line or in a configuration
// file: "type=0xA1,id=1,name=Studio1,addr=127.0.0.2[,signal=WINDOWS][,silent]
// [,delay=MS][,twice][,foreign][,hostile[=FLOOD]][,split=PIECES:PAUSE_MS][,names=ANSWER]".
#include <cstdint>
#include <optional>
#include <string>

#include "carrier.h"
#include "window_set.h"

namespace vela::sim {

// How a device misbehaves when it answers.
struct Faults {
  bool silent = false;     // never answers (frames are still logged and handled)
  int delay_ms = 0;        // answers this much later
  bool twice = false;      // every reply is sent twice
  bool foreign = false;    // a datagram that passes no reply rule goes first
  int split_pieces = 1;    // serial replies are written in this many pieces
  int split_pause_ms = 0;  // with this pause between the pieces
  bool hostile = false;    // forged and malformed datagrams go first (UDP)
  int hostile_flood = 0;   // and this many small ones after them
};

// The flood of "hostile" without a count.
inline constexpr int kDefaultHostileFlood = 2000;

// How a production switcher answers a camera name.
enum class NameAnswer { accept, refuse, silent };

struct DeviceConfig {
  std::uint8_t type = 0;
  std::uint8_t id = 0;
  std::string name;
  std::string addr;  // UDP devices only
  Faults faults;
  // Multiviewers only: the windows whose input carries a signal (default:
  // every window that shows a source).
  std::optional<WindowSet> signal;
  // Production switchers only: "names=accept|refuse|silent".
  NameAnswer names = NameAnswer::accept;
};

// Throws UsageError naming the offending item.
DeviceConfig parse_device_config(const std::string& text, Carrier carrier);

}  // namespace vela::sim
