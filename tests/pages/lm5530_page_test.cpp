// The LM5530 page against the simulated device, over the network and over
// the simulator's serial line: no read on opening, show modes on the wire.
#include "lm5530/lm5530_page.h"
#include "lm5530_protocol.h"
#include "rk2207_fixture.h"
#include "rk2207_show_modes.h"

namespace vela::test {
namespace {

using Lm5530PageTest = ShowModePageFixture<Lm5530Page>;

constexpr std::uint8_t kShowMode = lm5530::code::kShowMode;

std::uint16_t checksum_of(const Bytes& frame) { return frame[frame.size() - 3] | (frame[frame.size() - 2] << 8); }

TEST_F(Lm5530PageTest, OpensInTheQuadSplitWithoutSendingAndComesBackToIt) {
  start_device(device_type::kLm5530);
  context->lm5530().show_mode = 7;
  open_page();
  EXPECT_EQ(context->lm5530().show_mode, 0);
  expect_keys(0);
  EXPECT_EQ(context->lm5530().window_slots, lm5530::show_mode_slots(0));
  press(0);

  press(11);
  const auto sets = wait_for_code(kShowMode);
  ASSERT_EQ(sets.size(), 1u);
  const Bytes frame = sets[0].bytes();
  ASSERT_EQ(frame.size(), 21u);
  EXPECT_EQ(frame[frame::kPayloadOffset], 0x0B);
  EXPECT_EQ(frame[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(frame[frame::kTypeOffset], device_type::kLm5530);
  expect_keys(11);
  for (int w = 0; w < 2; ++w) {
    const WindowSlot& slot = context->lm5530().window_slots[static_cast<std::size_t>(w)];
    EXPECT_EQ(slot.y, 120);
    EXPECT_EQ(slot.width, 360);
    EXPECT_EQ(slot.height, 240);
  }
  EXPECT_EQ(diagnostics.count("net \n"), 1u);

  press(7);
  open_page();
  expect_keys(0);
  EXPECT_EQ(context->lm5530().show_mode, 0);
  EXPECT_EQ(context->lm5530().window_slots, lm5530::show_mode_slots(0));
  QTest::qWait(50);
  EXPECT_EQ(frames_with_code(kShowMode).size(), 2u) << "modes 11 and 7, nothing for key 0 or on opening";
}

// The keys follow the record's notice, whoever changed it.
TEST_F(Lm5530PageTest, TheKeysFollowAChangeMadeElsewhere) {
  start_device(device_type::kLm5530);
  open_page();
  Lm5530State& state = context->lm5530();
  state.show_mode = 9;
  state.window_slots = lm5530::show_mode_slots(9);
  context->record_changes().changed(RecordPart::ShowMode);
  expect_keys(9);
  EXPECT_EQ(page->mode_readout(), QStringLiteral("\u2014")) << "a mode nobody sent or read is not known";
}

TEST_F(Lm5530PageTest, OverTheSerialLineTheLinkFlagIsZeroAndTheChecksumOneLower) {
  sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0xA3,id=1,name=Booth"});
  make_context({}, device_type::kLm5530);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  open_page();
  press(11);
  const auto sets = wait_for_code(kShowMode);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].carrier, "serial");
  const Bytes serial = sets[0].bytes();
  const Bytes network = build_frame(frame::kLinkUdp, device_type::kLm5530, 1, kShowMode, Bytes{0x0B});
  ASSERT_EQ(serial.size(), network.size());
  EXPECT_EQ(serial[frame::kLinkFlagOffset], 0);
  EXPECT_EQ(checksum_of(serial), checksum_of(network) - 1);
  EXPECT_EQ(Bytes(serial.begin(), serial.begin() + 6), Bytes(network.begin(), network.begin() + 6));
  EXPECT_EQ(sets[0].note, "") << "the device took it";
  EXPECT_EQ(diagnostics.count("com \n"), 1u);
  EXPECT_EQ(diagnostics.count("net \n"), 0u);
}

TEST_F(Lm5530PageTest, WithTheSerialPortClosedTheChoiceIsShownButNothingSent) {
  start_device(device_type::kLm5530);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  open_page();
  press(11);
  expect_keys(11);
  EXPECT_EQ(context->lm5530().show_mode, 11);
  EXPECT_EQ(context->lm5530().window_slots, lm5530::show_mode_slots(11));
  QTest::qWait(100);
  EXPECT_TRUE(SimLog(sim->log_path()).records().empty());
  EXPECT_EQ(diagnostics.count("com \n"), 0u);
  EXPECT_EQ(diagnostics.count("net \n"), 0u);
}

}  // namespace
}  // namespace vela::test
