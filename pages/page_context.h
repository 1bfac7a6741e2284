#pragma once
// What a device page sees of the panel: the link, the state records that
// outlive the pages, the model window count, and a way to run work on the
// window thread. The main window is one and hands itself to every page it
// makes; a test makes one of its own.
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "device_records.h"
#include "link_session.h"
#include "record_changes.h"

namespace vela {

class PageContext {
 public:
  explicit PageContext(LinkSettings settings = {});
  virtual ~PageContext();
  PageContext(const PageContext&) = delete;
  PageContext& operator=(const PageContext&) = delete;

  // Runs work on the window thread, later; safe from any thread.
  static void post_to_window_thread(std::function<void()> work);

  LinkSession m_link;
  // 16 for the 16-window multiviewer, 10 for the 10-window one, else 0.
  std::uint8_t m_model_window_count = 0;
  // Address, mask and gateway of the last set-address command.
  std::array<std::uint8_t, 12> m_set_address_payload{};
  // Serial ports offered in every port list besides the system's own.
  QStringList m_extra_serial_ports;

  // From now on every page works on the records of `device` (made when
  // the device is first met); the chosen device's page opens after this.
  void use_records_of(const DeviceIdentity& device);
  const DeviceIdentity& records_device() const { return m_records_device; }
  std::size_t devices_met() const { return m_record_book.devices_met(); }

  // Whoever changes the chosen device's records says so here; views listen.
  RecordChanges& record_changes() { return m_record_changes; }

  // The chosen device's records.
  MultiviewerState& multiviewer() { return m_records->multiviewer; }
  MatrixState& matrix() { return m_records->matrix; }
  Lm5530State& lm5530() { return m_records->lm5530; }
  Rk2207State& rk2207() { return m_records->rk2207; }
  WindowSlots& rk2207_window_slots() { return m_records->rk2207_window_slots; }
  SwitcherState& switcher() { return m_records->switcher; }
  CameraNames& camera_names() { return m_records->camera_names; }
  const MultiviewerState& multiviewer() const { return m_records->multiviewer; }
  const MatrixState& matrix() const { return m_records->matrix; }
  const Lm5530State& lm5530() const { return m_records->lm5530; }
  const Rk2207State& rk2207() const { return m_records->rk2207; }
  const WindowSlots& rk2207_window_slots() const { return m_records->rk2207_window_slots; }
  const SwitcherState& switcher() const { return m_records->switcher; }
  const CameraNames& camera_names() const { return m_records->camera_names; }

 private:
  DeviceRecordBook m_record_book;
  DeviceRecords* m_records = &m_record_book.no_device();
  DeviceIdentity m_records_device;
  RecordChanges m_record_changes;
};

}  // namespace vela
