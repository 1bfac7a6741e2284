// Window sets and control lines as the simulator reads them.
#include "control_line.h"

#include <gtest/gtest.h>

#include <string>

#include "errors.h"

namespace vela::sim {
namespace {

struct WindowSetCase {
  const char* text;
  const char* expected;  // window 16 first; nullptr: refused
};

TEST(WindowSet, ReadsAllNoneNumbersAndRanges) {
  const WindowSetCase cases[] = {
      {"all", "1111111111111111"},
      {"none", "0000000000000000"},
      {"1-4,9", "0000000100001111"},
      {"16", "1000000000000000"},
      {"3-3,1", "0000000000000101"},
      {"0", nullptr},
      {"17", nullptr},
      {"4-1", nullptr},
      {"1,,2", nullptr},
      {"1-", nullptr},
      {"", nullptr},
      {"All", nullptr},
      {"+3", nullptr},
  };
  for (const WindowSetCase& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.expected) {
      EXPECT_EQ(parse_window_set(c.text).to_string(), c.expected);
    } else {
      EXPECT_THROW(parse_window_set(c.text), UsageError);
    }
  }
}

TEST(ControlLine, NamesTheDeviceByEverythingBetweenKeywordAndValue) {
  const ControlLine signal = parse_control_line("signal Studio 1 2-3");
  ASSERT_TRUE(std::holds_alternative<SignalLine>(signal));
  EXPECT_EQ(device_of(signal), "Studio 1");
  EXPECT_EQ(std::get<SignalLine>(signal).windows.to_ulong(), 0b110u);

  for (const auto& [value, silent] : {std::pair{"on", true}, std::pair{"off", false}}) {
    const ControlLine line = parse_control_line(std::string("silent Wall ") + value);
    ASSERT_TRUE(std::holds_alternative<SilentLine>(line));
    EXPECT_EQ(device_of(line), "Wall");
    EXPECT_EQ(std::get<SilentLine>(line).silent, silent);
  }

  const ControlLine cut = parse_control_line("line Serial MV16 cut");
  ASSERT_TRUE(std::holds_alternative<CutLine>(cut));
  EXPECT_EQ(device_of(cut), "Serial MV16");
}

TEST(ControlLine, RefusesWhatItCannotRead) {
  for (const char* line : {"signal Wall", "signal Wall 17", "silent Wall maybe", "silent Wall ON", "louder Wall on",
                           "signal", "", "line Wall on"}) {
    SCOPED_TRACE(line);
    EXPECT_THROW(parse_control_line(line), UsageError);
  }
}

}  // namespace
}  // namespace vela::sim
