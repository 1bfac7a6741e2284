// Multiviewer command frames, byte for byte, and the tables they use.
#include <gtest/gtest.h>

#include "hex_text.h"
#include "multiviewer_protocol.h"

namespace vela::multiviewer {
namespace {

Bytes command(std::uint8_t code, const Bytes& payload) { return build_frame(frame::kLinkUdp, 0xA1, 1, code, payload); }

TEST(MultiviewerCommands, LabelCam1ForWindow3Is38Bytes) {
  const Bytes frame = command(code::kLabelText, label_text_payload(3, u"CAM 1"));
  ASSERT_EQ(frame.size(), 38u);
  const Bytes expected_payload = {0x03, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x43,
                                  0x00, 0x41, 0x00, 0x4D, 0x00, 0x20, 0x00, 0x31, 0x00};
  EXPECT_EQ(Bytes(frame.begin() + 17, frame.begin() + 35), expected_payload);
  EXPECT_EQ(frame.back(), 0xAE);
}

TEST(MultiviewerCommands, LabelTextFrameLengthsFollowTheLabel) {
  EXPECT_EQ(command(code::kLabelText, label_text_payload(1, u"")).size(), 28u);
  EXPECT_EQ(command(code::kLabelText, label_text_payload(1, u"ABCDEFGHIJKLMNOP")).size(), 60u);
  const auto read = read_label_text_payload(label_text_payload(9, u"机位"));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->window, 9);
  EXPECT_EQ(read->label, u"机位");
  EXPECT_FALSE(read_label_text_payload(Bytes{1, 1, 0}).has_value());
  EXPECT_FALSE(read_label_text_payload(Bytes{1, 1, 0, 1, 0, 1, 0, 1, 0x41}).has_value());
}

TEST(MultiviewerCommands, FramesOfTheControlAndSettingCommands) {
  struct Case {
    std::uint8_t code;
    Bytes payload;
    std::size_t length;
  };
  const Case cases[] = {
      {code::kLayout, layout_payload(4), 21},
      {code::kWindowSource, window_source_payload(3, 5), 22},
      {code::kOutputResolution, output_resolution_payload(resolution_at(1)->code), 22},
      {code::kResolutionLabelSwitch, switch_payload(1), 21},
      {code::kLabelTextColour, colour_payload(0, 2), 22},
      {code::kDefaults, defaults_payload(), 21},
      {code::kSetAddress, set_address_payload({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1}), 32},
  };
  for (const Case& c : cases) {
    const Bytes frame = command(c.code, c.payload);
    EXPECT_EQ(frame.size(), c.length) << int(c.code);
    EXPECT_EQ(frame[16], c.code);
  }
  EXPECT_EQ(output_resolution_payload(resolution_at(1)->code), (Bytes{0x00, 0x0B}));
  EXPECT_EQ(set_address_payload({10, 0, 0, 5}, {255, 0, 0, 0}, {10, 0, 0, 1}),
            (Bytes{0x0A, 0, 0, 5, 0xFF, 0, 0, 0, 0x0A, 0, 0, 1}));
}

TEST(MultiviewerTables, LookupsGoBothWaysAndRefuseWhatIsNotThere) {
  for (const LayoutEntry& entry : kLayouts) {
    EXPECT_EQ(layout_of_code(entry.code)->index, entry.index);
    EXPECT_EQ(layout_at(entry.index)->code, entry.code);
  }
  for (const ResolutionEntry& entry : kResolutions) EXPECT_EQ(resolution_of_code(entry.code)->position, entry.position);
  EXPECT_FALSE(layout_at(7).has_value());
  EXPECT_FALSE(layout_of_code(7).has_value());
  EXPECT_FALSE(resolution_of_code(2).has_value());
  EXPECT_FALSE(resolution_at(9).has_value());
  EXPECT_FALSE(colour_at(16).has_value());
  EXPECT_EQ(std::string(kLayouts[6].text), "十六画面");
  EXPECT_EQ(colour_at(14)->preview, colour_at(7)->preview) << "Trans paints white";
}

}  // namespace
}  // namespace vela::multiviewer
