#pragma once
// Everything the panel's link keeps for the whole run: the connection mode,
// the device table and current device, the UDP socket with its address
// record, the serial port with its reassembly buffer, and what the serial
// replies recorded. The main window owns one; vela-ctl uses one too.
#include <cstdint>
#include <string>

#include "serial_port.h"
#include "device_types.h"
#include "frame.h"
#include "reply_scanner.h"
#include "udp_link.h"

namespace vela {

namespace connection_mode {
inline constexpr std::int32_t kNetwork = 0;
inline constexpr std::int32_t kSerial = 1;
}  // namespace connection_mode

class LinkSession {
 public:
  explicit LinkSession(LinkSettings settings = {}) : udp(std::move(settings)) {}

  std::int32_t m_connection_mode = connection_mode::kNetwork;
  std::int8_t m_device_index = -1;
  DeviceTable device_table{};
  std::uint8_t device_count = 0;
  std::uint8_t m_serial_device_type = 0;
  std::string last_serial_name;
  ReassemblyBuffer reassembly;
  UdpLink udp;
  SerialPort com;
  // Decoder of the multiviewer state reply, installed by the multiviewer.
  StateReplyDecoder state_decoder;

  // The current entry, or nullptr when m_device_index is negative.
  const DeviceEntry* current_device() const;
  DeviceEntry* current_device();

  // A frame for the current device (type and id of a missing device are 0).
  Bytes build_request(std::uint8_t link_flag, std::uint8_t command_code, ByteView payload = {}) const;

  // Sends one command to the current device over the carrier of the
  // connection mode; udp_only sends over UDP whatever the mode. Over UDP:
  // prepare, send, 10 ms pause, close. Over serial: one write when the port
  // is open, otherwise nothing. True when the frame left: the datagram was
  // sent, or the port was open and took the write.
  bool send_command(std::uint8_t command_code, ByteView payload = {}, bool udp_only = false);
  // The same for a frame built by the caller (or a raw text, which some
  // devices want followed by a longer pause).
  bool send_udp_frame(ByteView frame, int pause_ms = kCommandPauseMs);
  bool send_serial_bytes(ByteView bytes);

  // Targets of the reply scanner (type, entry 0, names, state decoder).
  ScannerTargets scanner_targets();
};

}  // namespace vela
