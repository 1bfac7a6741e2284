#include "device_records.h"

namespace vela {

DeviceRecords::DeviceRecords() {
  multiviewer.reset_selection_dependent();
  // Every window label is one space until the device says otherwise.
  multiviewer.reset_labels();
}

DeviceRecordBook::DeviceRecordBook() : m_no_device(std::make_unique<DeviceRecords>()) {}

DeviceRecords& DeviceRecordBook::records_for(const DeviceIdentity& device) {
  std::unique_ptr<DeviceRecords>& records = m_records[device];
  if (!records) records = std::make_unique<DeviceRecords>();
  return *records;
}

}  // namespace vela
