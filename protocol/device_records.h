#pragma once
// What the panel keeps of each device it met this run, one set of records
// per device, so that one device's routes, buses or lamps are never shown
// as another's. A device is known by its type, its id and where it is
// reached (its IPv4 address, or the serial line it answers on).
#include <compare>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "lm5530_state.h"
#include "matrix_state.h"
#include "multiviewer_state.h"
#include "rk2207_state.h"
#include "switcher_state.h"

namespace vela {

struct DeviceIdentity {
  std::uint8_t type = 0;
  std::uint8_t id = 0;
  std::string where;  // "192.168.1.20", or "serial /dev/ttyUSB0"
  auto operator<=>(const DeviceIdentity&) const = default;
};

// Every family's record for one device: a device fills only its own
// family's, the others keep their start values.
struct DeviceRecords {
  DeviceRecords();

  MultiviewerState multiviewer;
  MatrixState matrix;
  Lm5530State lm5530;
  Rk2207State rk2207;
  // The RK2207 preview's windows of the last applied show mode.
  WindowSlots rk2207_window_slots{};
  SwitcherState switcher;
  CameraNames camera_names;
};

class DeviceRecordBook {
 public:
  DeviceRecordBook();

  // The records of `device`, made with start values when the device is met
  // for the first time; they stay where they are for the whole run.
  DeviceRecords& records_for(const DeviceIdentity& device);
  // The records used before any device was chosen.
  DeviceRecords& no_device() { return *m_no_device; }
  std::size_t devices_met() const { return m_records.size(); }

 private:
  std::unique_ptr<DeviceRecords> m_no_device;
  std::map<DeviceIdentity, std::unique_ptr<DeviceRecords>> m_records;
};

}  // namespace vela
