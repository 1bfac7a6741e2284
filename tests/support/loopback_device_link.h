#pragma once
// A link whose one device is played by the test on loopback: the scripted
// device answers each command code as told, and the link's current entry is
// that device.
#include <memory>
#include <string>

#include "link_session.h"
#include "loopback.h"
#include "scripted_device.h"

namespace vela::test {

struct LoopbackDeviceLink {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<ScriptedDevice> device;
  std::unique_ptr<LinkSession> link;

  std::string device_address() const { return range.address(1); }

  // A fresh scripted device and link for each call: no reply window, late
  // answer or socket of an earlier exchange carries over.
  LinkSession& connect(std::uint8_t type, ScriptedDevice::Replies replies = {}) {
    link.reset();
    device = std::make_unique<ScriptedDevice>(device_address(), std::move(replies));
    return link_to(type, device->port());
  }

  // A fresh link to whatever listens on the device address and `device_port`.
  LinkSession& link_to(std::uint8_t type, std::uint16_t device_port) {
    link.reset();
    LinkSettings settings;
    settings.device_port = device_port;
    settings.local_port = free_udp_port();
    settings.broadcast = range.address(0);
    link = std::make_unique<LinkSession>(settings);
    DeviceEntry& entry = link->device_table[0];
    entry.type = type;
    entry.id = 1;
    entry.set_address(device_address());
    link->device_count = 1;
    link->m_device_index = 0;
    return *link;
  }
};

}  // namespace vela::test
