// One code means different commands to different device families: the trace
// names each by the family of the device it concerns.
#include "command_names.h"

#include <gtest/gtest.h>

#include "device_types.h"

namespace vela {
namespace {

TEST(CommandNames, TheDeviceTypeChoosesTheFamilyThatNamesTheCode) {
  const struct {
    std::uint8_t type;
    std::uint8_t code;
    const char* name;
  } cases[] = {
      {device_type::kMultiviewer16, 0x32, "state"},
      {device_type::kMultiviewer10, 0x51, "status"},
      {device_type::kMatrix, 0x50, "lock-query"},
      {device_type::kMatrixB, 0x51, "lock-set"},
      {device_type::kMultiviewer16, 0x50, "lock"},
      {device_type::kRk2207, 0x94, "show-mode"},
      {device_type::kLm5530, 0x94, "show-mode"},
      {device_type::kSwitcher, 0x94, "key-red"},
      {device_type::kSwitcher, 0x32, "unknown"},
      // Common to every family, and to a type no family claims.
      {device_type::kSwitcher, 0xFF, "search"},
      {device_type::kMatrix, 0x05, "set-address"},
      {0x00, 0x05, "set-address"},
      {0x00, 0x32, "unknown"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int(c.type) << " " << int(c.code));
    EXPECT_EQ(command_name(c.type, c.code), c.name);
  }
  EXPECT_STREQ(device_family_name(device_type::kMultiviewer10), "multiviewer");
  EXPECT_STREQ(device_family_name(device_type::kMatrixB), "matrix");
  EXPECT_STREQ(device_family_name(0x00), "unknown");
}

}  // namespace
}  // namespace vela
