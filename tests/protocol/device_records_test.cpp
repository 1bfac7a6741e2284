// One set of records per device met: a device differs from another by its
// type, its id or where it is reached, and its records stay put.
#include <gtest/gtest.h>

#include "device_records.h"

namespace vela {
namespace {

TEST(DeviceRecordBook, EachDeviceHasItsOwnRecordsForTheWholeRun) {
  DeviceRecordBook book;
  const DeviceIdentity gallery{0x81, 1, "127.0.0.2"};
  DeviceRecords& first = book.records_for(gallery);
  first.matrix.m_routes[3] = 5;
  const DeviceIdentity others[] = {
      {0x82, 1, "127.0.0.2"},            // another type at the same address
      {0x81, 2, "127.0.0.2"},            // another id
      {0x81, 1, "127.0.0.3"},            // another address
      {0x81, 1, "serial /dev/ttyUSB0"},  // the same device met on a serial line
  };
  for (const DeviceIdentity& other : others) {
    SCOPED_TRACE(other.where);
    DeviceRecords& records = book.records_for(other);
    EXPECT_NE(&records, &first);
    EXPECT_EQ(records.matrix.m_routes, MatrixRoutes{}) << "nothing of another device shows";
  }
  EXPECT_EQ(&book.records_for(gallery), &first) << "met again: the same records";
  EXPECT_EQ(book.records_for(gallery).matrix.m_routes[3], 5);
  EXPECT_EQ(book.devices_met(), 5u);
  EXPECT_NE(&book.no_device(), &first);
}

TEST(DeviceRecordBook, ADeviceMetForTheFirstTimeStartsAsThePanelDoes) {
  DeviceRecordBook book;
  const DeviceRecords& records = book.records_for({0xA1, 1, "127.0.0.2"});
  for (const std::u16string& label : records.multiviewer.m_window_label) EXPECT_EQ(label, u" ");
  EXPECT_EQ(records.multiviewer.m_settings.label_colour_channel, 1);
  EXPECT_EQ(records.multiviewer.m_settings.resolution_colour_channel, 1);
  EXPECT_EQ(records.matrix.m_buttons_locked, 0);
}

}  // namespace
}  // namespace vela
