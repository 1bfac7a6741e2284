#pragma once
// A link whose one device is played by the test on loopback: the scripted
// device answers each command code as told, and the link's current entry is
// that device.
#include <memory>
#include <string>

#include "device_entries.h"
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
    link->use_single_device(device_entry(type, 1, device_address()));
    return *link;
  }
};

}  // namespace vela::test
