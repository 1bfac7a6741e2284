// What the matrix page sends, driven by clicks on the real page, against
// bytes written out by hand: the routing texts travel bare (ASCII, no frame,
// no line end); the button lock is a frame (type 0x81, id 1) that always
// carries link flag 1 and goes over the network, also after the SETTING tab
// switched the routing to the serial line.
#include <QComboBox>

#include "frame_literals.h"
#include "list_clicks.h"
#include "matrix_fixture.h"
#include "shade_button.h"

namespace vela::test {
namespace {

using MatrixFrames = MatrixPageFixture;

TEST_F(MatrixFrames, RoutingTextsAndLockFramesOverTheNetwork) {
  start();
  const std::vector<SentFrames> rows = {
      {"opening the page asks for the lock",
       [&] { open_page(); },
       {"A5 6C 14 00 81 01 01 00 00 00 00 00 00 00 00 00 50 F8 01 AE"}},
      {"input 4, outputs 2 and 7, APPLY: 4V2,7.",
       [&] {
         press_input(4);
         press_output(2);
         press_output(7);
         press(Action::kApply);
       },
       {"34 56 32 2C 37 2E"}},
      {"input 6, ONE TO ALL: 6All.",
       [&] {
         press_input(6);
         press(Action::kOneToAll);
       },
       {"36 41 6C 6C 2E"}},
      {"ONE TO ONE: All#.", [&] { press(Action::kOneToOne); }, {"41 6C 6C 23 2E"}},
      {"LOCK on", [&] { press(Action::kLock); }, {"A5 6C 15 00 81 01 01 00 00 00 00 00 00 00 00 00 51 01 FB 01 AE"}},
      {"LOCK off", [&] { press(Action::kLock); }, {"A5 6C 15 00 81 01 01 00 00 00 00 00 00 00 00 00 51 00 FA 01 AE"}},
  };
  expect_sent(rows, [&] { return received_so_far(); });
}

TEST_F(MatrixFrames, AfterTheSettingTabConnectsTheTextsGoOverTheLineAndTheLockStaysOnTheNetwork) {
  start({"--serial", "type=0x81,id=1,name=Serial Matrix"});
  context->m_extra_serial_ports << QString::fromStdString(sim->pty_path());
  open_page();
  choose_tab(MatrixPage::kSettingTab);
  MatrixConnectionTab* setting = setting_page();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  const int port = setting->port_list()->findText(QString::fromStdString(sim->pty_path()));
  ASSERT_GE(port, 0);
  ASSERT_TRUE(click_list_item(setting->port_list(), port));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  ASSERT_TRUE(context->m_link.serial_port().is_open());
  choose_tab(MatrixPage::kControlTab);

  press_input(3);
  press_output(1);
  press(Action::kApply);
  press(Action::kLock);
  const auto on_the_line =
      SimLog(sim->log_path()).wait_for(1, [](const LogRecord& r) { return r.carrier == "serial"; });
  EXPECT_EQ(received_hex(on_the_line), literals_hex({"33 56 31 2E"})) << "3V1.";
  std::vector<LogRecord> on_the_network;
  for (LogRecord& r : received_so_far()) {
    if (r.carrier == "udp") on_the_network.push_back(std::move(r));
  }
  EXPECT_EQ(received_hex(on_the_network), literals_hex({
                                              "A5 6C 14 00 81 01 01 00 00 00 00 00 00 00 00 00 50 F8 01 AE",
                                              "A5 6C 15 00 81 01 01 00 00 00 00 00 00 00 00 00 51 01 FB 01 AE",
                                          }));
}

}  // namespace
}  // namespace vela::test
