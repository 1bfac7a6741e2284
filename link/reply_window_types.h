#pragma once
// What a reply window is: what the link waits for, from whom, for how long,
// and how the wait ended. Shared by the announcements of the windows and by
// the protocol trace, which records the windows that ended empty.
#include <cstddef>
#include <cstdint>

#include "device_types.h"

namespace vela {

enum class ReplyWindowKind { NetworkSearch, SerialSearch, UdpReply, SerialReply };

enum class ReplyWindowOutcome {
  Replied,          // a reply was accepted (a search: it ran its full window)
  NothingAccepted,  // the window ran out with nothing accepted
  PortClosed,       // the serial port was not open, or its line went away during the wait
};

struct ReplyWindow {
  ReplyWindowKind kind = ReplyWindowKind::UdpReply;
  // What the panel waits for, in an operator's words: "state read",
  // "status poll", "camera name", "search".
  const char* purpose = "reply";
  DeviceEntry device{};   // the device asked (type and id from the request)
  std::uint8_t code = 0;  // command code of the request
  int window_ms = 0;
  std::int64_t opened_tick = 0;  // tick_ms() when the window opened
  std::size_t found = 0;         // devices found so far (searches)
};

}  // namespace vela
