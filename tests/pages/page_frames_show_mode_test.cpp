// What the two show-mode pages send, driven by their mode keys, against
// frames written out byte by byte: the RK2207 (type 0x60) reads its state
// on opening and sends everything with link flag 1, whatever the connection
// mode; the LM5530 (type 0xA3) reads nothing and sends its show mode with
// the link flag of the carrier it takes.
#include "frame_literals.h"
#include "lm5530/lm5530_page.h"
#include "rk2207/rk2207_page.h"
#include "rk2207_fixture.h"

namespace vela::test {
namespace {

using Rk2207Frames = ShowModePageFixture<Rk2207Page>;
using Lm5530Frames = ShowModePageFixture<Lm5530Page>;

TEST_F(Rk2207Frames, StateRequestAndShowModesAlwaysOverTheNetwork) {
  start_device(device_type::kRk2207);
  const std::vector<SentFrames> rows = {
      {"opening the page reads the state",
       [&] { open_page(); },
       {"A5 6C 14 00 60 01 01 00 00 00 00 00 00 00 00 00 90 17 02 AE"}},
      {"mode 12, channel 4 full screen",
       [&] { press(12); },
       {"A5 6C 15 00 60 01 01 00 00 00 00 00 00 00 00 00 94 0C 28 02 AE"}},
      {"mode 3 while the connection mode is serial",
       [&] {
         context->m_link.set_connection_mode(connection_mode::kSerial);
         press(3);
       },
       {"A5 6C 15 00 60 01 01 00 00 00 00 00 00 00 00 00 94 03 1F 02 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

TEST_F(Lm5530Frames, ShowModesOverTheNetwork) {
  start_device(device_type::kLm5530);
  const std::vector<SentFrames> rows = {
      {"opening the page sends nothing", [&] { open_page(); }, {}},
      {"mode 11, side by side", [&] { press(11); }, {"A5 6C 15 00 A3 01 01 00 00 00 00 00 00 00 00 00 94 0B 6A 02 AE"}},
      {"mode 5", [&] { press(5); }, {"A5 6C 15 00 A3 01 01 00 00 00 00 00 00 00 00 00 94 05 64 02 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

TEST_F(Lm5530Frames, OverTheSerialLineTheLinkFlagIsZero) {
  sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0xA3,id=1,name=Booth"});
  make_context({}, device_type::kLm5530);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  open_page();
  press(11);
  const auto records = SimLog(sim->log_path()).wait_for(1, [](const LogRecord& r) { return r.carrier == "serial"; });
  EXPECT_EQ(received_hex(records), literals_hex({"A5 6C 15 00 A3 01 00 00 00 00 00 00 00 00 00 00 94 0B 69 02 AE"}));
}

}  // namespace
}  // namespace vela::test
