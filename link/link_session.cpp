#include "link_session.h"

#include <thread>

namespace vela {

void LinkSession::choose_device(int index) {
  const bool network = m_connection_mode == vela::connection_mode::kNetwork;
  if (index >= 0 && network && index >= m_device_count) index = -1;
  if (index < -1 || index >= static_cast<int>(kDeviceTableSize)) index = -1;
  m_device_index = static_cast<std::int8_t>(index);
}

void LinkSession::forget_devices(DeviceTableEntries entries) {
  m_device_index = -1;
  if (entries == DeviceTableEntries::Clear) m_devices = {};
  m_device_count = 0;
}

bool LinkSession::add_found_device(const DeviceEntry& entry) {
  if (m_device_count >= kDeviceTableSize) return false;
  m_devices[m_device_count] = entry;
  ++m_device_count;
  return true;
}

void LinkSession::use_single_device(const DeviceEntry& entry) {
  m_devices = {};
  m_devices[0] = entry;
  m_device_count = 1;
  m_device_index = 0;
}

void LinkSession::set_serial_device(std::uint8_t type, std::uint8_t id) {
  m_devices[0].type = type;
  m_devices[0].id = id;
}

SerialSearchResult LinkSession::search_serial(int window_ms) {
  return serial_search(m_serial_port, m_serial_reassembly, m_serial_device_type, m_devices[0], m_last_serial_name,
                       window_ms);
}

const DeviceEntry* LinkSession::current_device() const {
  if (m_device_index < 0) return nullptr;
  return &m_devices[static_cast<std::size_t>(m_device_index)];
}

DeviceEntry* LinkSession::current_device() {
  if (m_device_index < 0) return nullptr;
  return &m_devices[static_cast<std::size_t>(m_device_index)];
}

Bytes LinkSession::build_request(std::uint8_t link_flag, std::uint8_t command_code, ByteView payload) const {
  const DeviceEntry* device = current_device();
  return build_frame(link_flag, device ? device->type : 0, device ? device->id : 0, command_code, payload);
}

bool LinkSession::send_udp_frame(ByteView frame, int pause_ms) {
  m_udp.prepare_command_socket(current_device());
  const bool sent = m_udp.send(frame);
  if (sent) std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
  m_udp.close();
  return sent;
}

bool LinkSession::send_serial_bytes(ByteView bytes) {
  // write() refuses (0) a port that is closed or closing meanwhile.
  return !bytes.empty() &&
         m_serial_port.write(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
}

bool LinkSession::send_command(std::uint8_t command_code, ByteView payload, bool udp_only) {
  if (udp_only || m_connection_mode != vela::connection_mode::kSerial) {
    return send_udp_frame(build_request(frame::kLinkUdp, command_code, payload));
  }
  return send_serial_bytes(build_request(frame::kLinkSerial, command_code, payload));
}

ScannerTargets LinkSession::scanner_targets() {
  ScannerTargets targets;
  targets.serial_device_type = &m_serial_device_type;
  targets.entry0 = &m_devices[0];
  targets.on_name = [this](const std::string& name) { m_last_serial_name = name; };
  targets.state_decoder = m_state_decoder;
  return targets;
}

}  // namespace vela
