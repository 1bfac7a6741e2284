// The simulated RK2207 as a model: its state reply, byte for byte, and the
// show-mode set it applies.
#include "rk2207_device.h"

#include <gtest/gtest.h>

#include "rk2207_protocol.h"

namespace vela::sim {
namespace {

namespace rk = rk2207;

Rk2207Device make_rk2207() { return Rk2207Device(parse_device_config("type=0x60,id=4,name=Stage", Carrier::Serial)); }

Answer send(Device& device, std::uint8_t code, ByteView payload = {}, std::uint8_t link_flag = frame::kLinkUdp) {
  return device.handle(*Frame::from_bytes(build_frame(link_flag, device.config().type, 4, code, payload)));
}

rk::StateReply state_reply(Rk2207Device& device, std::uint8_t link_flag = frame::kLinkUdp) {
  const Answer answer = send(device, rk::code::kState, {}, link_flag);
  EXPECT_TRUE(answer.reply.has_value());
  if (!answer.reply) return {};
  const Bytes& r = *answer.reply;
  EXPECT_EQ(r.size(), rk::state_reply::kFrameLength);
  EXPECT_TRUE(is_whole_frame(r));
  EXPECT_EQ(r[frame::kTypeOffset], 0x60);
  EXPECT_EQ(r[frame::kIdOffset], 4);
  EXPECT_EQ(r[frame::kLinkFlagOffset], link_flag);
  EXPECT_EQ(r[frame::kCodeOffset], rk::code::kState);
  return rk::read_state_reply(r).value_or(rk::StateReply{});
}

TEST(Rk2207Device, StartsInTheQuadSplitWithItsLabels) {
  Rk2207Device device = make_rk2207();
  const rk::StateReply state = state_reply(device);
  EXPECT_EQ(state.show_mode, 0);
  EXPECT_EQ(state.output_format, 0);
  EXPECT_EQ(state.text, "Stage");
  EXPECT_EQ(state.labels, (std::array<std::string, 4>{"CH 1", "CH 2", "CH 3", "CH 4"}));
  EXPECT_EQ(state.pip_child_ch, (std::array<std::uint8_t, 2>{2, 3}));
  EXPECT_EQ(state.loop_state, 0);
  EXPECT_EQ(state_reply(device, frame::kLinkSerial).show_mode, 0) << "answers on the request's carrier";
}

TEST(Rk2207Device, TheShowModeSetComesBackInTheNextReply) {
  struct Case {
    Bytes payload;
    std::uint8_t mode_after;
    bool noted;
  };
  const Case cases[] = {
      {{12}, 12, false}, {{16}, 16, false}, {{17}, 16, true}, {{}, 16, true}, {{3, 9}, 3, false},
  };
  Rk2207Device device = make_rk2207();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.payload.empty() ? -1 : c.payload[0]);
    const Answer answer = send(device, rk::code::kShowMode, c.payload);
    EXPECT_FALSE(answer.reply.has_value()) << "the set is never confirmed";
    EXPECT_EQ(!answer.note.empty(), c.noted) << answer.note;
    EXPECT_EQ(state_reply(device).show_mode, c.mode_after);
  }
  EXPECT_EQ(device.command_name(rk::code::kShowMode), "show-mode");
  EXPECT_EQ(device.command_name(rk::code::kState), "state");
  EXPECT_EQ(device.command_name(code::kSearch), "search");
}

}  // namespace
}  // namespace vela::sim
