// Switcher command frames, byte for byte, the camera name and its
// acknowledgement.
#include <gtest/gtest.h>

#include "hex_text.h"
#include "switcher_protocol.h"

namespace vela::switcher {
namespace {

Bytes command(std::uint8_t code, ByteView payload = {}) {
  return build_frame(frame::kLinkUdp, 0xA5, 0x01, code, payload);
}

TEST(SwitcherCommands, TheWorkedFrames) {
  struct Case {
    const char* label;
    Bytes frame;
    const char* expected;
  };
  const Case cases[] = {
      {"program select, source 3", command(code::kProgramSelect, Bytes{3}),
       "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE"},
      {"transition position 1, 64", command(code::kTransitionPosition, Bytes{1, 64}),
       "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 40 91 02 AE"},
      {"cut", command(code::kCut), "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE"},
      {"slider rate 2, 0.5 s", command(code::kSliderRate, byte_u16_payload(2, 500)),
       "A5 6C 17 00 A5 01 01 00 00 00 00 00 00 00 00 00 A5 02 F4 01 6B 03 AE"},
      {"camera 2 named CAM", command(code::kCameraName, camera_name_payload(1, u"CAM")),
       "A5 6C 22 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 02 01 00 01 00 01 00 01 43 00 41 00 4D 00 57 03 AE"},
  };
  for (const Case& c : cases) EXPECT_EQ(to_hex(c.frame), c.expected) << c.label;
}

TEST(SwitcherCommands, EveryCodeHasItsFrameLengthAndTheUnusedCodesNone) {
  const std::pair<std::uint8_t, std::size_t> lengths[] = {
      {0x80, 21}, {0x81, 21}, {0x82, 22}, {0x83, 20}, {0x84, 20}, {0x85, 20}, {0x86, 20}, {0x88, 21},
      {0x8A, 21}, {0x8B, 21}, {0x8C, 21}, {0x8D, 20}, {0x8E, 20}, {0x8F, 20}, {0x92, 21}, {0x93, 21},
      {0x94, 21}, {0x95, 21}, {0x96, 21}, {0x97, 21}, {0x98, 21}, {0x9C, 21}, {0x9D, 21}, {0x9E, 21},
      {0x9F, 21}, {0xA0, 22}, {0xA1, 22}, {0xA2, 22}, {0xA3, 21}, {0xA4, 22}, {0xA5, 23}, {0xA6, 28},
  };
  for (const auto& [code, length] : lengths) {
    const CommandInfo* info = command_info(code);
    ASSERT_NE(info, nullptr) << int{code};
    EXPECT_EQ(frame::kOverhead + info->payload_length, length) << info->name;
    EXPECT_NE(command_name(code), "unknown");
  }
  for (const std::uint8_t unused : {0x87, 0x89, 0x90, 0x91, 0x99, 0x9A, 0x9B}) {
    EXPECT_EQ(command_info(unused), nullptr) << int{unused};
    EXPECT_EQ(command_name(unused), "unknown");
  }
}

TEST(SwitcherCommands, CameraNameFramesFollowTheName) {
  struct Case {
    int camera_index;
    std::u16string name;
    std::size_t frame_length;
    std::u16string sent;
  };
  const Case cases[] = {
      {0, u"", 28, u""},
      {9, u"ABCDEFGHIJ", 48, u"ABCDEFGHIJ"},
      {10, u"MP", 32, u"MP"},
      // A name longer than its field allows is cut to the field's ten characters.
      {3, u"ABCDEFGHIJKL", 48, u"ABCDEFGHIJ"},
      {4, u"机位", 32, u"机位"},
  };
  for (const Case& c : cases) {
    const Bytes payload = camera_name_payload(c.camera_index, c.name);
    EXPECT_EQ(command(code::kCameraName, payload).size(), c.frame_length);
    const auto read = read_camera_name_payload(payload);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->number, c.camera_index + 1) << "MP 1 is camera number 11";
    EXPECT_EQ(read->name, c.sent);
  }
  EXPECT_FALSE(read_camera_name_payload(Bytes{1, 1, 0, 1, 0, 1, 0}).has_value()) << "shorter than its header";
  EXPECT_FALSE(read_camera_name_payload(Bytes{1, 1, 0, 1, 0, 1, 0, 1, 0x41}).has_value()) << "half a code unit";
}

TEST(SwitcherCommands, AnAcknowledgementIsReadOnlyWhenItHoldsTheStatusByte) {
  Bytes ack = build_frame(frame::kLinkUdp, 0xA5, 1, code::kCameraName, Bytes{camera_name::kAccepted});
  EXPECT_EQ(read_camera_name_ack(ack), CameraNameAnswer::Accepted);
  ack[frame::kPayloadOffset] = 1;
  EXPECT_EQ(read_camera_name_ack(ack), CameraNameAnswer::Refused);
  ack[frame::kPayloadOffset] = 0x7F;
  EXPECT_EQ(read_camera_name_ack(ack), CameraNameAnswer::Refused) << "any status but 0 is a refusal";
  // The status byte is all that is read: 18 bytes are enough, 17 are not.
  EXPECT_EQ(read_camera_name_ack(ByteView(ack).first(18)), CameraNameAnswer::Refused);
  EXPECT_FALSE(read_camera_name_ack(ByteView(ack).first(17)).has_value());
}

}  // namespace
}  // namespace vela::switcher
