#include "reply_scanner.h"

#include <algorithm>
#include <cstring>

#include "diagnostics.h"
#include "search_names.h"

namespace vela {

void ReassemblyBuffer::clear() {
  bytes.fill(0);
  count = 0;
}

void ReassemblyBuffer::append(ByteView data) {
  if (data.empty()) return;  // an empty view may have no storage to copy from
  if (data.size() > kCapacity) data = data.first(kCapacity);
  if (count + data.size() > kCapacity) clear();
  std::memcpy(bytes.data() + count, data.data(), data.size());
  count += static_cast<std::uint32_t>(data.size());
}

namespace {

enum class ScanState { SeekFirst, SeekSecond, LengthLow, LengthHigh, CheckEnd, Command };

int handle_search_reply(ByteView frame, const ScannerTargets& targets) {
  const unsigned type = targets.serial_device_type ? *targets.serial_device_type : 0u;
  diag("m_main_com_dev_type = 0x%x \n ", type);
  const auto names = find_device_names(frame);
  if (targets.on_name) {
    for (const auto& name : names) targets.on_name(name);
  }
  return static_cast<int>(names.size());
}

int handle_state_reply(ByteView frame, const ScannerTargets& targets) {
  if (!targets.serial_device_type || *targets.serial_device_type != device_type::kMultiviewer16) return 0;
  if (!targets.state_decoder) return 0;
  return targets.state_decoder(frame) ? 1 : 0;
}

// Device type and id of the frame being read, as far as they have arrived.
void record_frame_address(ByteView buffer, std::size_t type_index, const ScannerTargets& targets) {
  if (type_index < buffer.size()) {
    const std::uint8_t type = buffer[type_index];
    if (targets.serial_device_type) *targets.serial_device_type = type;
    if (targets.entry0) targets.entry0->type = type;
  }
  if (type_index + 1 < buffer.size() && targets.entry0) targets.entry0->id = buffer[type_index + 1];
}

}  // namespace

int scan_replies(ByteView buffer, const ScannerTargets& targets) {
  const std::size_t count = buffer.size();
  ScanState state = ScanState::SeekFirst;
  std::size_t index = 0;
  std::size_t start = 0;
  std::size_t length = 0;

  while (index < count) {
    switch (state) {
      case ScanState::SeekFirst:
        if (buffer[index] == frame::kStart0) state = ScanState::SeekSecond;
        ++index;
        break;
      case ScanState::SeekSecond:
        state = buffer[index] == frame::kStart1 ? ScanState::LengthLow : ScanState::SeekFirst;
        ++index;
        break;
      case ScanState::LengthLow:
        start = index - 2;
        length = buffer[index];
        state = ScanState::LengthHigh;
        ++index;
        break;
      case ScanState::LengthHigh:
        length += 256u * buffer[index];
        record_frame_address(buffer, index + 1, targets);
        ++index;  // frame byte 4
        state = ScanState::CheckEnd;
        break;
      case ScanState::CheckEnd: {
        // A length shorter than a whole frame, or an end past the bytes
        // received so far, is treated like a wrong end byte.
        const std::size_t last = start + length - 1;
        if (length >= frame::kOverhead && last < count && buffer[last] == frame::kEnd) {
          index = start + frame::kCodeOffset;
          diag("index = %d \n", static_cast<int>(index));
          state = ScanState::Command;
        } else {
          state = ScanState::SeekFirst;
          ++index;  // frame byte 5
        }
        break;
      }
      case ScanState::Command: {
        const ByteView frame_bytes = buffer.subspan(start, length);
        const std::uint8_t command = buffer[index];
        if (command == code::kSearch) return handle_search_reply(frame_bytes, targets);
        if (command == code::kMultiviewerState) return handle_state_reply(frame_bytes, targets);
        state = ScanState::SeekFirst;
        ++index;  // frame byte 17
        break;
      }
    }
  }
  return 0;
}

}  // namespace vela
