#pragma once
// The multiviewer's exchanges with its device, shared by the page, every
// sub-page and the settings changes: sending a command, the state
// read-back over either carrier, and the status poll.
#include "frame.h"
#include "multiviewer_state.h"

namespace vela {

class LinkSession;
class RecordChanges;

namespace multiviewer_exchanges {

// Sends one command to the current device over the carrier of the
// connection mode. True when the frame left (a datagram was sent, or the
// serial port was open): only then is the work listed after sending done.
bool send(LinkSession& link, std::uint8_t command_code, ByteView payload = {});

// Sends one command over UDP whatever the connection mode. The device
// entry's address may be empty or stale after a serial search: a command is
// sent only to one host's address, otherwise a diagnostic says why not.
bool send_over_udp(LinkSession& link, std::uint8_t command_code, ByteView payload = {});

// Reads the device's whole state into the record (nothing changes when no
// reply comes), marks it read, recomputes the preview's boxes from the
// record and announces the settings either way. Over a closed serial port
// nothing is asked and nobody is told; the boxes are recomputed all the same.
void read_state(LinkSession& link, MultiviewerState& state, RecordChanges& changes);

// Asks which windows carry a signal (over UDP, to one host's address only);
// the status is cleared first, so every window without an answer reads as
// no signal. Announces the status either way.
void poll_status(LinkSession& link, MultiviewerState& state, RecordChanges& changes);

}  // namespace multiviewer_exchanges
}  // namespace vela
