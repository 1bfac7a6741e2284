#pragma once
// The switcher's exchanges, shared by the page, its settings sub-pages and
// its dialogs. Every switcher command is a UDP datagram with link flag 1,
// whatever the connection mode, sent on the socket the page keeps open.
#include <cstdint>

#include "frame.h"
#include "switcher_bus_rules.h"
#include "switcher_state.h"

namespace vela {

class LinkSession;
class RecordChanges;

namespace switcher_exchanges {

// Sends one switcher command to the current device, then pauses 10 ms.
// Nothing is received; a send that cannot leave changes nothing else.
void send(LinkSession& link, std::uint8_t command_code, ByteView payload = {});

// A press on a key that has a rule (buses, layers, transitions, Cut, FTB):
// the record changes, the notes before, the command and the notes after go
// out, then the record's observers hear of the change. A refused press
// changes and sends nothing, and nobody is told.
switcher_bus::Outcome press(LinkSession& link, SwitcherState& state, RecordChanges& changes,
                            switcher_bus::Press press, std::uint8_t source = bus_source::kNone);

// At the end of a transition: program and preview change places, without
// a command, and the observers hear of it.
void swap_program_preview(SwitcherState& state, RecordChanges& changes);

// Sends camera `camera_index`'s (0..10) stored name and waits up to 500 ms
// for the switcher's acknowledgement, reported as a diagnostic line.
void send_camera_name(LinkSession& link, const CameraNames& names, int camera_index);

}  // namespace switcher_exchanges
}  // namespace vela
