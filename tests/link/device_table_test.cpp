// The link's device table: which index a choice makes current, what a new
// search keeps of the last one, and a table that cannot take more devices.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "device_entries.h"
#include "link_session.h"

namespace vela {
namespace {

using test::device_entry;

std::string address(int host) { return "127.0.0." + std::to_string(host); }

// A link whose last network search found `found` devices.
void find_devices(LinkSession& link, int found) {
  link.forget_devices(DeviceTableEntries::Clear);
  for (int i = 0; i < found; ++i) {
    link.add_found_device(device_entry(0xA1, static_cast<std::uint8_t>(i + 1), address(i + 1)));
  }
}

TEST(DeviceTable, AChoiceOutsideTheDevicesOfItsModeLeavesNoDeviceCurrent) {
  constexpr std::int32_t kUnknownMode = 2;
  const struct {
    const char* what;
    std::int32_t mode;
    int found;
    int index;
    int current;
  } cases[] = {
      {"network, a found device", connection_mode::kNetwork, 2, 1, 1},
      {"network, the line after the found devices", connection_mode::kNetwork, 2, 2, -1},
      {"network, nothing found", connection_mode::kNetwork, 0, 0, -1},
      {"network, none chosen", connection_mode::kNetwork, 2, -1, -1},
      {"serial, the line's device with nothing found", connection_mode::kSerial, 0, 0, 0},
      {"serial, an entry the network search left", connection_mode::kSerial, 2, 1, 1},
      {"serial, past the table", connection_mode::kSerial, 0, static_cast<int>(kDeviceTableSize), -1},
      {"serial, below none", connection_mode::kSerial, 2, -2, -1},
      {"unknown mode, nothing found", kUnknownMode, 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LinkSession link;
    find_devices(link, c.found);
    link.set_connection_mode(c.mode);
    link.choose_device(0);  // whatever was current before does not linger
    link.choose_device(c.index);
    EXPECT_EQ(link.device_index(), c.current);
    if (c.current < 0) {
      EXPECT_EQ(link.current_device(), nullptr);
    } else {
      EXPECT_EQ(link.current_device(), &link.devices()[static_cast<std::size_t>(c.current)]);
    }
  }
}

TEST(DeviceTable, ANewSearchForgetsTheDevicesAndWipesTheEntriesOnlyWhenAsked) {
  for (const DeviceTableEntries entries : {DeviceTableEntries::Keep, DeviceTableEntries::Clear}) {
    SCOPED_TRACE(entries == DeviceTableEntries::Keep ? "keep" : "clear");
    LinkSession link;
    find_devices(link, 3);
    link.choose_device(2);
    link.forget_devices(entries);
    EXPECT_EQ(link.device_index(), -1);
    EXPECT_EQ(link.found_device_count(), 0);
    EXPECT_EQ(link.devices()[2].address_text(), entries == DeviceTableEntries::Keep ? address(3) : "");
    link.choose_device(0);
    EXPECT_EQ(link.device_index(), -1) << "a forgotten entry is no device in network mode";

    // The next search's devices take the table from its start.
    ASSERT_TRUE(link.add_found_device(device_entry(0xA5, 9, address(9))));
    EXPECT_EQ(link.found_device_count(), 1);
    EXPECT_EQ(link.devices()[0].address_text(), address(9));
    EXPECT_EQ(link.devices()[0].id, 9);
  }
}

TEST(DeviceTable, AFullTableRefusesAnotherDevice) {
  LinkSession link;
  find_devices(link, static_cast<int>(kDeviceTableSize));
  ASSERT_EQ(link.found_device_count(), kDeviceTableSize);
  EXPECT_FALSE(link.add_found_device(device_entry(0xA5, 200, address(200))));
  EXPECT_EQ(link.found_device_count(), kDeviceTableSize);
  EXPECT_EQ(link.devices()[kDeviceTableSize - 1].id, static_cast<std::uint8_t>(kDeviceTableSize));
}

TEST(DeviceTable, ASingleDeviceIsTheWholeTableAndCurrent) {
  LinkSession link;
  find_devices(link, 3);
  link.use_single_device(device_entry(0xA3, 7, address(7)));
  EXPECT_EQ(link.found_device_count(), 1);
  EXPECT_EQ(link.device_index(), 0);
  EXPECT_EQ(link.current_device()->address_text(), address(7));
  EXPECT_EQ(link.devices()[1].address_text(), "") << "no entry of the earlier search is left behind";
}

}  // namespace
}  // namespace vela
