// The simulated LM5530 as a model: it applies the show-mode set and answers
// nothing else of its own.
#include "lm5530_device.h"

#include <gtest/gtest.h>

#include "lm5530_protocol.h"

namespace vela::sim {
namespace {

TEST(Lm5530Device, AppliesShowModesZeroToFifteen) {
  struct Case {
    Bytes payload;
    std::uint8_t link_flag;
    std::uint8_t mode_after;
    bool noted;
  };
  const Case cases[] = {
      {{11}, frame::kLinkUdp, 11, false}, {{15}, frame::kLinkSerial, 15, false}, {{16}, frame::kLinkUdp, 15, true},
      {{}, frame::kLinkSerial, 15, true}, {{0}, frame::kLinkSerial, 0, false},
  };
  Lm5530Device device(parse_device_config("type=0xA3,id=1,name=Booth", Carrier::Serial));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.payload.empty() ? -1 : c.payload[0]);
    const Answer answer =
        device.handle(*Frame::from_bytes(build_frame(c.link_flag, 0xA3, 1, lm5530::code::kShowMode, c.payload)));
    EXPECT_FALSE(answer.reply.has_value());
    EXPECT_EQ(!answer.note.empty(), c.noted) << answer.note;
    EXPECT_EQ(device.show_mode(), c.mode_after);
  }
  EXPECT_EQ(device.command_name(lm5530::code::kShowMode), "show-mode");
  EXPECT_FALSE(device.handle(*Frame::from_bytes(build_frame(frame::kLinkUdp, 0xA3, 1, 0x90))).reply.has_value())
      << "the LM5530 has no state read";
}

}  // namespace
}  // namespace vela::sim
