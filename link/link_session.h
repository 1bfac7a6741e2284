#pragma once
// Everything the panel's link keeps for the whole run: the connection mode,
// the device table and current device, the UDP socket with its address
// record, the serial port with its reassembly buffer, and what the serial
// replies recorded. The main window owns one; vela-ctl uses one too.
#include <cstdint>
#include <string>
#include <utility>

#include "serial_port.h"
#include "serial_search.h"
#include "device_types.h"
#include "frame.h"
#include "reply_scanner.h"
#include "udp_link.h"

namespace vela {

namespace connection_mode {
inline constexpr std::int32_t kNetwork = 0;
inline constexpr std::int32_t kSerial = 1;
}  // namespace connection_mode

// What a new network search does with the entries of the last one.
enum class DeviceTableEntries { Keep, Clear };

class LinkSession {
 public:
  explicit LinkSession(LinkSettings settings = {}) : m_udp(std::move(settings)) {}

  std::int32_t connection_mode() const { return m_connection_mode; }
  // Any value is kept; only kNetwork and kSerial carry commands.
  void set_connection_mode(std::int32_t mode) { m_connection_mode = mode; }

  // The table holds the devices a network search found (the first
  // found_device_count() entries); entry 0 is also the device on the serial line.
  const DeviceTable& devices() const { return m_devices; }
  std::uint8_t found_device_count() const { return m_device_count; }
  // The current entry's index, -1 when none is current.
  int device_index() const { return m_device_index; }

  // Makes entry `index` current; -1 chooses none. In network mode only the
  // entries a search filled are devices: an index past them chooses none.
  // Outside the table it chooses none in any mode.
  void choose_device(int index);
  // The start of a network search: no device is current and none is listed.
  void forget_devices(DeviceTableEntries entries);
  // Appends a device a network search found; false when the table is full.
  bool add_found_device(const DeviceEntry& entry);
  // A table of this one device, current: vela-ctl's target, a bench's or a test's.
  void use_single_device(const DeviceEntry& entry);

  // Entry 0 as the serial line's device: the serial search fills it, and the
  // panel makes it an LM5530 at id 1 when the replying type has no page.
  const DeviceEntry& serial_device() const { return m_devices[0]; }
  void set_serial_device(std::uint8_t type, std::uint8_t id);
  // What the last serial reply recorded: the device type and the last name.
  std::uint8_t serial_device_type() const { return m_serial_device_type; }
  const std::string& serial_device_name() const { return m_last_serial_name; }
  // The serial search on the open port; its reply fills entry 0, the serial
  // device type and the last serial name.
  SerialSearchResult search_serial(int window_ms = kSerialSearchWindowMs);

  UdpLink& udp_link() { return m_udp; }
  const UdpLink& udp_link() const { return m_udp; }
  SerialPort& serial_port() { return m_serial_port; }
  const SerialPort& serial_port() const { return m_serial_port; }
  ReassemblyBuffer& serial_reassembly() { return m_serial_reassembly; }

  // Decoder of the multiviewer state reply, installed by the page context;
  // nullptr removes it.
  void set_state_decoder(StateReplyDecoder decoder) { m_state_decoder = std::move(decoder); }

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

 private:
  std::int32_t m_connection_mode = vela::connection_mode::kNetwork;
  std::int8_t m_device_index = -1;
  DeviceTable m_devices{};
  std::uint8_t m_device_count = 0;
  std::uint8_t m_serial_device_type = 0;
  std::string m_last_serial_name;
  ReassemblyBuffer m_serial_reassembly;
  UdpLink m_udp;
  SerialPort m_serial_port;
  StateReplyDecoder m_state_decoder;
};

}  // namespace vela
