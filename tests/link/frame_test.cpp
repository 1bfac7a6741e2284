#include <gtest/gtest.h>

#include <string>

#include "frame.h"
#include "hex_text.h"

namespace vela {
namespace {

struct WorkedFrame {
  const char* what;
  std::uint8_t link_flag, type, id, code;
  const char* payload;
  const char* expected;
};

// Frames whose bytes are fixed by the device protocol documentation.
const WorkedFrame kWorkedFrames[] = {
    {"search over UDP", 1, 0x81, 0xFF, 0xFF, "", "A5 6C 14 00 81 FF 01 00 00 00 00 00 00 00 00 00 FF A5 03 AE"},
    {"search over serial", 0, 0x81, 0xFF, 0xFF, "", "A5 6C 14 00 81 FF 00 00 00 00 00 00 00 00 00 00 FF A4 03 AE"},
    {"program select source 3", 1, 0xA5, 0x01, 0x80, "03",
     "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE"},
    {"transition position", 1, 0xA5, 0x01, 0x82, "01 40",
     "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 40 91 02 AE"},
    {"cut", 1, 0xA5, 0x01, 0x83, "", "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE"},
    {"slider rate", 1, 0xA5, 0x01, 0xA5, "02 F4 01",
     "A5 6C 17 00 A5 01 01 00 00 00 00 00 00 00 00 00 A5 02 F4 01 6B 03 AE"},
    {"camera name", 1, 0xA5, 0x01, 0xA6, "02 01 00 01 00 01 00 01 43 00 41 00 4D 00",
     "A5 6C 22 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 02 01 00 01 00 01 00 01 43 00 41 00 4D 00 57 03 AE"},
};

TEST(Frame, WorkedFramesComeOutByteForByte) {
  for (const auto& w : kWorkedFrames) {
    const Bytes payload = parse_hex(w.payload);
    EXPECT_EQ(to_hex(build_frame(w.link_flag, w.type, w.id, w.code, payload)), w.expected) << w.what;
  }
}

TEST(Frame, UdpAndSerialFormsDifferOnlyInLinkFlagAndChecksum) {
  const Bytes payload = {0x10, 0x20, 0x30};
  const Bytes udp = build_frame(frame::kLinkUdp, 0xA1, 7, 0x33, payload);
  const Bytes serial = build_frame(frame::kLinkSerial, 0xA1, 7, 0x33, payload);
  ASSERT_EQ(udp.size(), 23u);
  ASSERT_EQ(serial.size(), udp.size());
  for (std::size_t i = 0; i < udp.size(); ++i) {
    if (i == frame::kLinkFlagOffset || i == udp.size() - 3) continue;
    EXPECT_EQ(udp[i], serial[i]) << "byte " << i;
  }
  EXPECT_EQ(udp[udp.size() - 3], serial[serial.size() - 3] + 1);
}

TEST(Frame, ChecksumWrapsModulo65536AndCoversEveryByteBeforeIt) {
  const Bytes payload(600, 0xFF);  // 600 * 255 alone passes 65536
  const Bytes f = build_frame(1, 0xA1, 1, 0x1E, payload);
  ASSERT_EQ(f.size(), 620u);
  EXPECT_EQ(frame_length_field(f), 620);
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i + 3 < f.size(); ++i) sum += f[i];
  EXPECT_GT(sum, 0xFFFFu);
  EXPECT_EQ(f[617] | (f[618] << 8), static_cast<int>(sum & 0xFFFF));
  EXPECT_EQ(f.back(), 0xAE);
}

TEST(Frame, PayloadTooLongForTheLengthFieldIsNotFramed) {
  EXPECT_TRUE(build_frame(1, 1, 1, 1, Bytes(0xFFFF - 20, 0)).size() == 0xFFFF);
  EXPECT_TRUE(build_frame(1, 1, 1, 1, Bytes(0xFFFF - 19, 0)).empty());
}

struct RuleCase {
  const char* what;
  const char* datagram;
  bool code_rule_for_32;
  bool framing_rule;
};

const RuleCase kRuleCases[] = {
    {"well formed 0x32 reply", "A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 32 00 00 AE", true, true},
    {"code 0x32 with wrong start, checksum and address", "00 00 14 00 00 00 00 00 00 00 00 00 00 00 00 00 32 11 22 33",
     true, false},
    {"framed reply with another code", "A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 51 00 00 AE", false, true},
    {"wrong end byte", "A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 32 00 00 AF", true, false},
    {"too short to hold a code", "A5 6C 14 00 AE", false, true},
    {"empty", "", false, false},
};

TEST(Frame, ReplyRulesTestOnlyWhatTheyName) {
  for (const auto& c : kRuleCases) {
    const Bytes d = parse_hex(c.datagram);
    EXPECT_EQ(passes_code_rule(d, 0x32), c.code_rule_for_32) << c.what;
    EXPECT_EQ(passes_framing_rule(d), c.framing_rule) << c.what;
  }
}

}  // namespace
}  // namespace vela
