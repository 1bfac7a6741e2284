// The RK2207 page against the simulated device and against scripted
// replies: the state read-back on opening, the show-mode keys on the wire.
#include <QKeyEvent>

#include "control_id.h"
#include "rk2207/rk2207_page.h"
#include "rk2207/show_mode_preview.h"
#include "rk2207_fixture.h"
#include "rk2207_protocol.h"
#include "rk2207_show_modes.h"

namespace vela::test {
namespace {

namespace rk = rk2207;

using Rk2207PageTest = ShowModePageFixture<Rk2207Page>;

Bytes state_reply(std::uint8_t show_mode, std::array<std::uint8_t, 2> pip = {2, 3}) {
  rk::StateReply reply;
  reply.show_mode = show_mode;
  reply.output_format = 1;
  reply.pip_child_ch = pip;
  return build_frame(frame::kLinkUdp, device_type::kRk2207, 1, rk::code::kState, rk::state_reply_payload(reply));
}

// A reply with the four label lengths given.
Bytes reply_with_label_lengths(std::uint8_t show_mode, std::array<std::uint8_t, 4> lengths) {
  Bytes payload = rk::state_reply_payload(rk::StateReply{});
  payload[rk::state_reply::kShowMode - frame::kPayloadOffset] = show_mode;
  for (std::size_t line = 0; line < 4; ++line) {
    payload[rk::state_reply::kLabels + line * rk::state_reply::kLabelStride + rk::state_reply::kLabelLength -
            frame::kPayloadOffset] = lengths[line];
  }
  return build_frame(frame::kLinkUdp, device_type::kRk2207, 1, rk::code::kState, payload);
}

void expect_show_mode_frame(const LogRecord& record, std::uint8_t mode) {
  const Bytes frame = record.bytes();
  ASSERT_EQ(frame.size(), 21u);
  EXPECT_EQ(frame[frame::kCodeOffset], rk::code::kShowMode);
  EXPECT_EQ(frame[frame::kPayloadOffset], mode);
  EXPECT_EQ(frame[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(frame[frame::kTypeOffset], device_type::kRk2207);
  EXPECT_EQ(record.carrier, "udp");
}

TEST_F(Rk2207PageTest, OpeningShowsTheDeviceModeAndAKeySendsTheNext) {
  start_device(device_type::kRk2207);
  ASSERT_TRUE(context->m_link.send_command(rk::code::kShowMode, rk::show_mode_payload(3), true));
  ASSERT_EQ(wait_for_code(rk::code::kShowMode).size(), 1u);
  open_page();
  ASSERT_EQ(frames_with_code(rk::code::kState).size(), 1u);
  EXPECT_EQ(context->rk2207().show_mode, 3);
  EXPECT_EQ(find_control<SkinButton>(page.get(), 1035), page->mode_button(3));
  expect_keys(3);
  EXPECT_EQ(context->rk2207_window_slots(), rk::show_mode_slots(3));
  EXPECT_EQ(context->rk2207().pip_child_ch, (std::array<std::uint8_t, 2>{2, 3}));
  EXPECT_EQ(diagnostics.count("recv len is 261 \n"), 1u);
  EXPECT_EQ(diagnostics.count("read over \n"), 1u);
  EXPECT_EQ(diagnostics.count("wait time over \n"), 0u);

  // The device's own mode is not sent back, neither on opening nor on its key.
  press(3);
  press(12);
  const auto sets = wait_for_code(rk::code::kShowMode, 2);
  ASSERT_EQ(sets.size(), 2u);
  expect_show_mode_frame(sets[1], 12);
  expect_keys(12);
  EXPECT_EQ(context->rk2207_window_slots(), rk::show_mode_slots(12));

  // What the page set comes back from the device.
  context->rk2207() = Rk2207State{};
  open_page();
  EXPECT_EQ(context->rk2207().show_mode, 12);
  expect_keys(12);
  EXPECT_EQ(frames_with_code(rk::code::kShowMode).size(), 2u);
}

// What one state reply (or a run of datagrams) makes of the page. The
// record holds mode 5 and its windows before the page opens.
struct ReplyCase {
  const char* label;
  std::vector<Bytes> datagrams;
  int selected_key;
  std::uint8_t record_mode;
  WindowSlots windows;
  std::array<std::uint8_t, 2> pip;
  std::vector<std::pair<std::string, std::size_t>> lines;  // console line, times
};

TEST_F(Rk2207PageTest, StateRepliesAreShownAndNeverSentBack) {
  const Bytes whole = state_reply(3);
  const Bytes foreign = build_frame(frame::kLinkUdp, device_type::kRk2207, 1, 0x40);
  const std::string wrong = "umdNameLen is wrong,please check the recv data. \n";
  const ReplyCase cases[] = {
      {"mode 3", {whole}, 3, 3, rk::show_mode_slots(3), {2, 3}, {{"recv len is 261 \n", 1}}},
      {"mode 16", {state_reply(16)}, -1, 16, rk::show_mode_slots(16), {2, 3}, {}},
      {"mode 17", {state_reply(17)}, -1, 17, WindowSlots{}, {2, 3}, {}},
      {"mode 9 and the pip rule", {state_reply(9, {3, 1})}, 9, 9, rk::show_mode_slots(9), {1, 2}, {}},
      {"short, then nothing",
       {Bytes(whole.begin(), whole.begin() + 200), Bytes(whole.begin(), whole.begin() + 16)},
       -1,
       5,
       rk::show_mode_slots(5),
       {4, 4},
       {{"recv len is 200 \n", 1},
        {"state reply of 200 bytes is shorter than 261, not decoded \n", 1},
        {"recv len is 16 \n", 1},
        {"the cmd is not right \n", 1},
        {"wait time over \n", 1},
        {"read over \n", 1}}},
      {"foreign first",
       {foreign, state_reply(2)},
       2,
       2,
       rk::show_mode_slots(2),
       {2, 3},
       {{"the cmd is not right \n", 1}, {"recv len is 20 \n", 1}, {"recv len is 261 \n", 1}}},
      {"label lengths",
       {reply_with_label_lengths(1, {33, 0, 32, 255})},
       1,
       1,
       rk::show_mode_slots(1),
       {0, 0},
       {{"line 0 " + wrong, 1}, {"line 1 " + wrong, 0}, {"line 2 " + wrong, 0}, {"line 3 " + wrong, 1}}},
  };
  for (const ReplyCase& c : cases) {
    SCOPED_TRACE(c.label);
    page.reset();
    start_scripted(device_type::kRk2207, {{rk::code::kState, c.datagrams}});
    context->rk2207().show_mode = 5;
    context->rk2207().pip_child_ch = {4, 4};
    context->rk2207_window_slots() = rk::show_mode_slots(5);
    diagnostics.clear();
    open_page();
    expect_keys(c.selected_key);
    EXPECT_EQ(page->selected_mode_button(), c.selected_key);
    EXPECT_EQ(context->rk2207().show_mode, c.record_mode);
    EXPECT_EQ(context->rk2207_window_slots(), c.windows);
    page->grab();
    QImage drawn = make_show_mode_canvas();
    paint_show_mode_preview(drawn, c.windows);
    EXPECT_EQ(page->preview_image(), drawn) << "the page paints the windows it holds";
    EXPECT_EQ(context->rk2207().pip_child_ch, c.pip);
    for (const auto& [line, times] : c.lines) EXPECT_EQ(diagnostics.count(line), times) << line;
    EXPECT_FALSE(page->suppress_send());
    QTest::qWait(50);
    EXPECT_EQ(device->frames_received(), 1) << "only the state request left";
  }
}

TEST_F(Rk2207PageTest, AfterAReplyOfMode255TheNextChoiceIsSent) {
  start_scripted(device_type::kRk2207, {{rk::code::kState, {state_reply(0xFF)}}});
  context->rk2207_window_slots() = rk::show_mode_slots(6);
  open_page();
  EXPECT_EQ(context->rk2207().show_mode, 0xFF);
  expect_keys(-1);
  EXPECT_EQ(context->rk2207_window_slots(), rk::show_mode_slots(6)) << "nothing was applied";
  press(0);
  expect_keys(0);
  EXPECT_EQ(context->rk2207_window_slots(), rk::show_mode_slots(0));
  for (int i = 0; i < 100 && device->frames_received() < 2; ++i) QTest::qWait(20);
  EXPECT_EQ(device->frames_received(), 2) << "the show-mode set left";
}

TEST_F(Rk2207PageTest, AFailedReadLeavesNoKeySelectedAndTheRecordsModeDoesNothing) {
  start_device(device_type::kRk2207, ",silent");
  context->rk2207_window_slots() = rk::show_mode_slots(2);
  open_page();
  EXPECT_EQ(diagnostics.count("wait time over \n"), 1u);
  EXPECT_EQ(diagnostics.count("read over \n"), 1u);
  expect_keys(-1);
  EXPECT_EQ(context->rk2207_window_slots(), rk::show_mode_slots(2)) << "the last applied mode's windows stay";
  press(0);
  expect_keys(-1);
  press(12);
  const auto sets = wait_for_code(rk::code::kShowMode);
  ASSERT_EQ(sets.size(), 1u);
  expect_show_mode_frame(sets[0], 12);
  expect_keys(12);
}

TEST_F(Rk2207PageTest, ChoosingAFullScreenModeWithOneSmallWindowAppliesThePipRule) {
  start_scripted(device_type::kRk2207);
  open_page();
  struct Case {
    std::array<std::uint8_t, 2> before, after;
  };
  for (const Case& c : {Case{{1, 3}, {1, 3}}, Case{{4, 1}, {1, 2}}, Case{{0, 0}, {1, 0}}}) {
    context->rk2207().show_mode = 0;
    context->rk2207().pip_child_ch = c.before;
    press(8);
    EXPECT_EQ(context->rk2207().pip_child_ch, c.after);
    EXPECT_EQ(context->rk2207().show_mode, 8);
  }
  for (int i = 0; i < 100 && device->frames_received() < 4; ++i) QTest::qWait(20);
  EXPECT_EQ(device->frames_received(), 4) << "one state request and three show-mode sets, nothing for the channels";
}

TEST_F(Rk2207PageTest, EveryExchangeUsesTheNetworkInSerialMode) {
  start_device(device_type::kRk2207);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  open_page();
  const auto reads = wait_for_code(rk::code::kState);
  ASSERT_EQ(reads.size(), 1u);
  EXPECT_EQ(reads[0].bytes()[frame::kLinkFlagOffset], frame::kLinkUdp);
  expect_keys(0);
  press(6);
  const auto sets = wait_for_code(rk::code::kShowMode);
  ASSERT_EQ(sets.size(), 1u);
  expect_show_mode_frame(sets[0], 6);
}

TEST_F(Rk2207PageTest, EnterAndEscapeAreSwallowed) {
  start_scripted(device_type::kRk2207);
  open_page();
  diagnostics.clear();
  for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QKeyEvent press_event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(page.get(), &press_event);
    EXPECT_TRUE(press_event.isAccepted()) << key;
  }
  EXPECT_EQ(diagnostics.lines(), std::vector<std::string>{" mian  esc  \n"});
}

}  // namespace
}  // namespace vela::test
