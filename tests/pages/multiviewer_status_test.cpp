// The Status sub-page: lamps that follow the device, the poll timer, and
// replies that are too short to read.
#include <QLabel>

#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"
#include "scripted_device.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;
namespace bitmap = multiviewer_bitmap;

using MultiviewerStatus = MultiviewerPageFixture;

std::vector<int> green_lamps(const MultiviewerStatusTab& status, int count) {
  std::vector<int> green;
  for (int w = 1; w <= count; ++w) {
    if (status.lamp_icon(w) == bitmap::lamp_signal) green.push_back(w);
  }
  return green;
}

TEST_F(MultiviewerStatus, LampsFollowTheDeviceWithinOnePollAndTurnRedWhenItFallsSilent) {
  start(device_type::kMultiviewer16, ",signal=1-4");
  open_page();
  auto* status = sub_page<MultiviewerStatusTab>();
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->polling());
  EXPECT_EQ(green_lamps(*status, 16), (std::vector<int>{1, 2, 3, 4})) << "the read-back carries the status";
  EXPECT_EQ(find_control<QLabel>(status, 1232)->toolTip(), "Signal");

  sim->control("signal Gallery 2,9-10");  // returns once the simulator applied it
  status->on_timer();
  EXPECT_EQ(green_lamps(*status, 16), (std::vector<int>{2, 9, 10}));
  const auto polls = frames_with_code(mv::code::kStatus);
  ASSERT_EQ(polls.size(), 1u);
  EXPECT_EQ(polls[0].bytes().size(), 20u);
  EXPECT_EQ(diagnostics.count("timer on\n"), 1u);

  sim->control("silent Gallery on");
  status->on_timer();
  EXPECT_TRUE(green_lamps(*status, 16).empty());
  EXPECT_EQ(status->lamp_icon(16), bitmap::lamp_no_signal);
  EXPECT_EQ(diagnostics.count("wait time over \n"), 1u);
}

// A poll made by anyone, not only the sub-page's timer, shows on the lamps.
TEST_F(MultiviewerStatus, LampsFollowAPollMadeElsewhere) {
  start(device_type::kMultiviewer16, ",signal=1-4");
  open_page();
  auto* status = sub_page<MultiviewerStatusTab>();
  ASSERT_NE(status, nullptr);
  sim->control("signal Gallery 5-6");
  multiviewer_exchanges::poll_status(context->m_link, context->multiviewer(), context->record_changes());
  EXPECT_EQ(green_lamps(*status, 16), (std::vector<int>{5, 6}));
}

TEST_F(MultiviewerStatus, TheTimerStopsWithTheSubPage) {
  start();
  open_page();
  QPointer<MultiviewerStatusTab> status = sub_page<MultiviewerStatusTab>();
  ASSERT_TRUE(status->polling());
  choose_sub_page(MultiviewerSubPage::Setting);
  EXPECT_TRUE(status.isNull()) << "destroyed before the next sub-page was made";
  page->close_page();
  EXPECT_EQ(page->sub_page(), nullptr);
}

TEST_F(MultiviewerStatus, TheTenWindowModelUpdatesTenLamps) {
  start(device_type::kMultiviewer10, ",signal=all");
  open_page();
  auto* status = sub_page<MultiviewerStatusTab>();
  EXPECT_EQ(green_lamps(*status, 16).size(), 10u);
  EXPECT_EQ(status->lamp_icon(11), 0) << "lamps 11 to 16 show nothing";
}

// The scripted device answers what the simulator never would.
struct MultiviewerShortReplies : MultiviewerPageFixture {
  std::unique_ptr<ScriptedDevice> device;

  void start_scripted(ScriptedDevice::Replies replies) {
    device = std::make_unique<ScriptedDevice>(device_address(), std::move(replies));
    LinkSettings settings;
    settings.device_port = device->port();
    settings.local_port = free_udp_port();
    make_context(settings, device_type::kMultiviewer16);
    point_device_at(device_address());
  }
};

Bytes state_reply(std::uint8_t layout_code) {
  mv::StateReplyFields fields;
  fields.layout_code = layout_code;
  return build_frame(frame::kLinkUdp, 0xA1, 1, mv::code::kState, mv::state_reply_payload(fields));
}

TEST_F(MultiviewerShortReplies, AShortStateReplyIsPassedOverAndTheWholeOneTaken) {
  const Bytes whole = state_reply(9);
  const Bytes cut(whole.begin(), whole.begin() + 666);
  const Bytes other = build_frame(frame::kLinkUdp, 0xA1, 1, 0x40, {});
  start_scripted({{mv::code::kState, {other, cut, whole}}});
  open_page();
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 9);
  EXPECT_EQ(context->multiviewer().m_settings.mode_type, 4);
  EXPECT_EQ(diagnostics.count("state reply of 666 bytes is shorter than 669, not decoded \n"), 1u);
  EXPECT_EQ(diagnostics.count("the cmd is not right\xEF\xBC\x8C"
                              "continue \n"),
            1u);
}

TEST_F(MultiviewerShortReplies, OnlyAShortStateReplyLeavesTheStateAndSetsTheReadFlag) {
  const Bytes whole = state_reply(9);
  start_scripted({{mv::code::kState, {Bytes(whole.begin(), whole.begin() + 600)}}});
  context->multiviewer().m_layout_window_count = 4;
  open_page();
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 4);
  EXPECT_EQ(context->multiviewer().state_read, 1);
  EXPECT_EQ(diagnostics.count("wait time over \n"), 1u);
}

TEST_F(MultiviewerShortReplies, AShortStatusReplyLeavesTheLampsRed) {
  WindowStatus all{};
  for (auto& window : all) window = {1, 0};
  const Bytes whole = build_frame(frame::kLinkUdp, 0xA1, 1, mv::code::kStatus, mv::status_reply_payload(all));
  start_scripted(
      {{mv::code::kState, {state_reply(16)}}, {mv::code::kStatus, {Bytes(whole.begin(), whole.begin() + 49)}}});
  open_page();
  auto* status = sub_page<MultiviewerStatusTab>();
  status->on_timer();
  EXPECT_TRUE(green_lamps(*status, 16).empty());
  EXPECT_EQ(diagnostics.count("recv len is 49 \n"), 1u);
}

}  // namespace
}  // namespace vela::test
