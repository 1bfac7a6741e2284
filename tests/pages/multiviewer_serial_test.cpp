// The state read-back over the simulator's serial line: the 16-window
// model's reply is decoded, the 10-window model's is not.
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

struct MultiviewerSerial : MultiviewerPageFixture {
  void start_serial(std::uint8_t type, const std::string& extra = "") {
    char config[64];
    std::snprintf(config, sizeof config, "type=0x%X,id=1,name=Serial MV", type);
    sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", config + extra});
    make_context({}, type);
    context->m_link.set_connection_mode(connection_mode::kSerial);
    ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  }
};

TEST_F(MultiviewerSerial, TheSixteenWindowModelIsReadBackWithoutItsWindowStatus) {
  start_serial(device_type::kMultiviewer16, ",split=4:30");
  context->multiviewer().m_window_status[0] = {9, 9};
  open_page();
  const auto requests = wait_for_code(mv::code::kState);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].bytes()[frame::kLinkFlagOffset], frame::kLinkSerial);
  const MultiviewerState& state = context->multiviewer();
  EXPECT_EQ(state.m_layout_window_count, 16);
  EXPECT_EQ(state.m_window_label[0], u"CAM 1");
  EXPECT_EQ(state.m_window_status[0][0], 9) << "the serial read leaves the window status";
  EXPECT_EQ(state.state_read, 1);
  EXPECT_EQ(diagnostics.count("time over \n"), 0u);

  // Commands travel over the line too.
  choose_sub_page(MultiviewerSubPage::Control);
  QTest::mouseClick(sub_page<MultiviewerLayoutTab>()->layout_button(4), Qt::LeftButton);
  const auto layouts = wait_for_code(mv::code::kLayout);
  ASSERT_EQ(layouts.size(), 1u);
  EXPECT_EQ(layouts[0].bytes()[17], 9);
  EXPECT_EQ(state.m_window_rect[8].number, 9);
}

TEST_F(MultiviewerSerial, TheTenWindowModelsReplyIsNotDecoded) {
  start_serial(device_type::kMultiviewer10);
  context->multiviewer().m_layout_window_count = 4;
  open_page();
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 4);
  EXPECT_EQ(context->multiviewer().state_read, 1);
  EXPECT_EQ(diagnostics.count("time over \n"), 1u);
}

}  // namespace
}  // namespace vela::test
