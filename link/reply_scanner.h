#pragma once
// Serial replies: the reassembly buffer and the scanner that finds the first
// complete search reply (0xFF) or multiviewer state reply (0x32) in it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "device_types.h"
#include "frame.h"

namespace vela {

struct ReassemblyBuffer {
  static constexpr std::size_t kCapacity = 1024;
  std::array<std::uint8_t, kCapacity> bytes{};
  std::uint32_t count = 0;

  void clear();
  // Appends; when the bytes would not fit, the whole content is dropped
  // first. Input larger than the buffer is cut to its capacity.
  void append(ByteView data);
  ByteView view() const { return ByteView(bytes.data(), count); }
};

// Decodes a state reply frame into the page's record. Returns false when the
// frame is too short for what it reads (then nothing is decoded).
using StateReplyDecoder = std::function<bool(ByteView frame)>;

// Where the scanner records what it finds.
struct ScannerTargets {
  std::uint8_t* serial_device_type = nullptr;            // m_serial_device_type
  DeviceEntry* entry0 = nullptr;                         // device entry 0
  std::function<void(const std::string& name)> on_name;  // every name found
  StateReplyDecoder state_decoder;                       // decoder of 0x32 replies
};

// Returns the number of names of the first complete search reply, 1 after a
// decoded state reply, 0 otherwise.
int scan_replies(ByteView buffer, const ScannerTargets& targets);

}  // namespace vela
