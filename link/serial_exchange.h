#pragma once
// Request/reply over the serial line: drain the port, write the request,
// then collect the bytes that arrive into the reassembly buffer and run the
// reply scanner over it until it reports a result or the reply window ends.
#include <functional>

#include "serial_port.h"
#include "frame.h"
#include "reply_scanner.h"

namespace vela {

// Bytes taken from the input queue per poll.
inline constexpr int kSerialReadLimit = 256;

enum class SerialExchangeStatus { Replied, TimedOut, PortClosed };

struct SerialExchangeResult {
  SerialExchangeStatus status = SerialExchangeStatus::PortClosed;
  int scan_result = 0;  // the scanner's result when Replied, else 0
};

// Called with the queued byte count of every poll that found bytes waiting.
using QueuedInputHook = std::function<void(int queued)>;

// With the port closed nothing is written, the buffer is left as it is and
// the result is PortClosed; a line lost during the wait ends it at once,
// PortClosed as well. Otherwise the buffer is cleared and the scanner
// runs with targets after every poll that brought bytes; when the window
// runs out "time over \n" is written. Waiting for bytes blocks in poll().
// purpose names the wait for whoever shows it ("state read").
SerialExchangeResult exchange_serial(SerialPort& port, ReassemblyBuffer& buffer, ByteView request,
                                     const ScannerTargets& targets, int window_ms,
                                     const QueuedInputHook& on_queued = {}, const char* purpose = "reply");

}  // namespace vela
