// The simulated matrix as a model: routing texts and lock frames applied,
// and what its lock reply carries.
#include "matrix_device.h"

#include <gtest/gtest.h>

#include <string>

namespace vela::sim {
namespace {

MatrixDevice make_matrix() { return MatrixDevice(parse_device_config("type=0x81,id=3,name=Matrix", Carrier::Serial)); }

Answer send_frame(MatrixDevice& device, std::uint8_t code, ByteView payload = {},
                  std::uint8_t link_flag = frame::kLinkUdp) {
  return device.handle(*Frame::from_bytes(build_frame(link_flag, 0x81, 3, code, payload)));
}

Answer send_text(MatrixDevice& device, const std::string& text) {
  return device.handle_text(ByteView(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(MatrixDevice, RoutingTextsChangeTheTableAndBadOnesAreNotedNotApplied) {
  MatrixDevice device = make_matrix();
  EXPECT_EQ(device.routes(), (MatrixRoutes{}));
  struct Step {
    std::string text;
    MatrixRoutes after;
    bool taken;
  };
  const Step steps[] = {
      {"All#.", {1, 2, 3, 4, 5, 6, 7, 8}, true},    {"4V2,7.", {1, 4, 3, 4, 5, 6, 4, 8}, true},
      {"3V1,4,8.", {3, 4, 3, 3, 5, 6, 4, 3}, true}, {"9V1.", {3, 4, 3, 3, 5, 6, 4, 3}, false},
      {"6All.", {6, 6, 6, 6, 6, 6, 6, 6}, true},    {"5V2", {6, 6, 6, 6, 6, 6, 6, 6}, false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.text);
    const Answer answer = send_text(device, step.text);
    EXPECT_FALSE(answer.reply.has_value());
    EXPECT_EQ(answer.note.empty(), step.taken) << answer.note;
    EXPECT_EQ(device.routes(), step.after);
  }
}

TEST(MatrixDevice, LockSetComesBackInTheLockReplyOnEitherCarrier) {
  MatrixDevice device = make_matrix();
  send_text(device, "All#.");
  for (const std::uint8_t link_flag : {frame::kLinkUdp, frame::kLinkSerial}) {
    for (const std::uint8_t lock : {1, 2, 0}) {
      SCOPED_TRACE(testing::Message() << "link " << int(link_flag) << " lock " << int(lock));
      const Bytes payload{lock};
      EXPECT_TRUE(send_frame(device, matrix::code::kLockSet, payload, link_flag).note.empty());
      const Answer answer = send_frame(device, matrix::code::kLockQuery, {}, link_flag);
      ASSERT_TRUE(answer.reply.has_value());
      const Bytes& reply = *answer.reply;
      ASSERT_GE(reply.size(), matrix::lock_reply::kMinFrameLength);
      EXPECT_EQ(frame_length_field(reply), reply.size());
      EXPECT_EQ(reply[frame::kTypeOffset], 0x81);
      EXPECT_EQ(reply[frame::kIdOffset], 3);
      EXPECT_EQ(reply[frame::kLinkFlagOffset], link_flag);
      EXPECT_EQ(reply[frame::kCodeOffset], matrix::code::kLockQuery);
      EXPECT_EQ(matrix::read_lock_reply(reply), lock);
      EXPECT_EQ(matrix::read_reply_routes(reply), (MatrixRoutes{1, 2, 3, 4, 5, 6, 7, 8}));
    }
  }
}

TEST(MatrixDevice, LockSetWithoutPayloadIsNotedAndChangesNothing) {
  MatrixDevice device = make_matrix();
  send_frame(device, matrix::code::kLockSet, Bytes{1});
  const Answer answer = send_frame(device, matrix::code::kLockSet);
  EXPECT_NE(answer.note.find("payload of 0 bytes"), std::string::npos) << answer.note;
  EXPECT_EQ(device.lock(), 1);
  EXPECT_EQ(device.command_name(matrix::code::kLockSet), "lock-set");
  EXPECT_EQ(device.command_name(matrix::code::kLockQuery), "lock-query");
  EXPECT_EQ(device.command_name(code::kSearch), "search");
}

}  // namespace
}  // namespace vela::sim
