// The serial reply path of the panel: pieces of a byte stream appended to the
// reassembly buffer as the serial exchange reads them, the buffer scanned
// after each piece for a search or multiviewer state reply.
#include <cstring>

#include "fuzz_support.h"
#include "multiviewer_protocol.h"
#include "reply_scanner.h"

using namespace vela;

VELA_FUZZ_QUIET_INIT

namespace {

struct ScanRecord {
  std::uint8_t device_type = 0;
  DeviceEntry entry0;
  int names = 0;
  int decoded_states = 0;
  MultiviewerState state;
};

// Scans an exactly sized copy of what the buffer holds, so that a read past
// its count is caught even though the buffer's array goes on.
int scan_copy(const ReassemblyBuffer& buffer, ScanRecord& record) {
  const Bytes held = fuzz::exact_copy(buffer.view());
  ScannerTargets targets;
  targets.serial_device_type = &record.device_type;
  targets.entry0 = &record.entry0;
  targets.on_name = [&record, &held](const std::string& name) {
    fuzz::check(name.size() + 22 <= held.size(), "a name longer than the bytes that hold it");
    ++record.names;
  };
  targets.state_decoder = [&record](ByteView frame) {
    const Bytes whole = fuzz::exact_copy(frame);
    const bool decoded = multiviewer::decode_state_reply(whole, record.state, multiviewer::DecodeStatus::Take,
                                                         multiviewer::DecodeDiagnostics::On);
    if (decoded) ++record.decoded_states;
    return decoded;
  };
  return scan_replies(held, targets);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::PieceReader input(ByteView(data, size));
  ScanRecord record;
  // The type a previous search left (a frame being read replaces it).
  record.device_type = input.byte();
  ReassemblyBuffer buffer;
  while (!input.empty()) {
    const Bytes piece = input.piece(ReassemblyBuffer::kCapacity + 64);
    const std::uint32_t before = buffer.count;
    buffer.append(piece);
    fuzz::check(buffer.count <= ReassemblyBuffer::kCapacity, "buffer count past its capacity");
    const std::size_t kept = std::min(piece.size(), ReassemblyBuffer::kCapacity);
    const bool appended = before + kept <= ReassemblyBuffer::kCapacity;
    fuzz::check(buffer.count == (appended ? before + kept : kept), "buffer count does not follow the pieces");
    fuzz::check(kept == 0 || std::memcmp(buffer.bytes.data() + buffer.count - kept, piece.data(), kept) == 0,
                "the buffer does not end with the piece just appended");

    const int names_before = record.names;
    const int states_before = record.decoded_states;
    const int result = scan_copy(buffer, record);
    const int found = (record.names - names_before) + (record.decoded_states - states_before);
    fuzz::check(result >= 0, "negative scan result");
    fuzz::check(result == found, "scan result differs from what reached the targets");
    if (result > 0) break;  // the exchange ends at the first reply found
  }
  return 0;
}
