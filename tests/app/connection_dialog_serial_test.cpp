// The connection dialog's serial port, driven with keys and clicks, against
// vela-devsim as the device on the other end of the serial line.
#include "connection_dialog_fixture.h"

namespace vela::test::connection_dialog {
namespace {

// --- serial port ------------------------------------------------------------------

// A simulated LM5530 on the other end of a pseudo-terminal, offered to the
// dialog as an extra port, next to a port that does not exist.
class ConfigureSerialTest : public ConfigureDialogTest {
 protected:
  void SetUp() override {
    sim_ = std::make_unique<SimProcess>(std::vector<std::string>{"--port", std::to_string(vela::test::free_udp_port()),
                                                                 "--serial", "type=0xA3,id=1,name=Lm"});
    ASSERT_FALSE(sim_->pty_path().empty());
    vela::PanelOptions options;
    options.extra_serial_ports = {QString::fromStdString(sim_->pty_path()), QString::fromStdString(kMissingPort)};
    open_panel(options);
  }

  void connect_to_simulator() {
    choose_mode(ConnectionDialog::kSerialPortIndex);
    choose_port(sim_->pty_path());
    click(kConnect);
  }

  SimLog log() const { return SimLog(sim_->log_path()); }

  std::unique_ptr<SimProcess> sim_;
};

TEST_F(ConfigureSerialTest, ConnectOpensTheChosenPortAndDisconnectClosesIt) {
  show_dialog();
  choose_mode(ConnectionDialog::kSerialPortIndex);
  choose_port(sim_->pty_path());
  choose(list(kBaudList), 4);
  click(kConnect);

  EXPECT_EQ(diagnostics_.count("com open success \n"), 1U);
  EXPECT_EQ(diagnostics_.count("close the com \n"), 0U);
  ASSERT_TRUE(link().serial_port().is_open());
  EXPECT_EQ(link().serial_port().port_name(), sim_->pty_path());
  expect_port_controls(true);

  click(kConnect);
  EXPECT_FALSE(link().serial_port().is_open());
  expect_port_controls(false);
}

TEST_F(ConfigureSerialTest, PortThatCannotBeOpenedChangesNothing) {
  show_dialog();
  choose_mode(ConnectionDialog::kSerialPortIndex);
  choose_port(kMissingPort);
  click(kConnect);

  EXPECT_EQ(diagnostics_.count("com open failed \n"), 1U);
  EXPECT_EQ(diagnostics_.count("com open success \n"), 0U);
  EXPECT_FALSE(link().serial_port().is_open());
  expect_port_controls(false);
}

TEST_F(ConfigureSerialTest, LanModeLeavesThePortOpenButShowsDisconnected) {
  show_dialog();
  connect_to_simulator();
  ASSERT_TRUE(link().serial_port().is_open());

  choose_mode(ConnectionDialog::kLanPortIndex);
  EXPECT_TRUE(link().serial_port().is_open()) << "switching the mode closes no port";
  EXPECT_EQ(link().connection_mode(), vela::connection_mode::kNetwork);
  EXPECT_FALSE(dialog_->connected());
  EXPECT_EQ(shown_icon(), kDisconnectedIcon);
  EXPECT_EQ(button(kConnect)->text(), "Disconnect") << "the caption is left as it was";
  expect_serial_controls_enabled(false);

  // Back to serial: the button still reads "Disconnect" but connects again,
  // closing the open port first.
  choose_mode(ConnectionDialog::kSerialPortIndex);
  diagnostics_.clear();
  click(kConnect);
  EXPECT_EQ(diagnostics_.lines(), (std::vector<std::string>{"close the com \n", "com open success \n"}));
  EXPECT_TRUE(link().serial_port().is_open());
  EXPECT_TRUE(dialog_->connected());
  EXPECT_EQ(shown_icon(), kConnectedIcon);
}

TEST_F(ConfigureSerialTest, ChangeIpInSerialModeWritesTheFrameOnlyWhileThePortIsOpen) {
  // A dialog made while the mode is serial keeps Change IP usable.
  link().set_connection_mode(vela::connection_mode::kSerial);
  set_current_device("127.0.1.20", 0xA3, 1, false);
  show_dialog();
  ASSERT_TRUE(button(kChangeIp)->isEnabled());

  type_address({172, 16, 9, 9});
  click(kChangeIp);  // port closed: nothing goes out

  // The port opened elsewhere (the matrix connection sub-page does that).
  ASSERT_TRUE(link().serial_port().open(sim_->pty_path(), 9600));
  type_address({10, 20, 30, 40});
  click(kChangeIp);

  const std::vector<LogRecord> frames = log().wait_for(1, is_set_address);
  ASSERT_EQ(frames.size(), 1U);
  const vela::Bytes bytes = frames[0].bytes();
  EXPECT_EQ(frames[0].carrier, "serial");
  ASSERT_EQ(bytes.size(), kSetAddressFrameLength);
  EXPECT_EQ(bytes[vela::frame::kLinkFlagOffset], vela::frame::kLinkSerial);
  EXPECT_EQ(bytes[vela::frame::kTypeOffset], 0xA3);
  EXPECT_EQ(bytes[vela::frame::kIdOffset], 1);
  const vela::Bytes payload(bytes.begin() + vela::frame::kPayloadOffset,
                            bytes.begin() + vela::frame::kPayloadOffset + 12);
  EXPECT_EQ(payload, (vela::Bytes{10, 20, 30, 40, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(std::vector<std::uint8_t>(window_->m_set_address_payload.begin(), window_->m_set_address_payload.end()),
            payload);
  EXPECT_EQ(log().records().size(), 1U) << "the click with the port closed sent something";
}

TEST_F(ConfigureSerialTest, ALineLostDuringASearchEndsItAndTheDialogShowsThePortClosed) {
  show_dialog();
  connect_to_simulator();
  ASSERT_TRUE(dialog_->connected());
  sim_->control("silent Lm on");
  std::thread cable_puller([this] {
    log().wait_for(1, [](const LogRecord& record) { return record.carrier == "serial"; });
    sim_->control("line Lm cut");
  });
  window_->serial_search();  // waits in its window when the line goes
  cable_puller.join();

  EXPECT_EQ(diagnostics_.count("serial line " + sim_->pty_path() + " lost \n"), 1U);
  EXPECT_FALSE(link().serial_port().is_open());
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog_->connected(); }, 5000));
  expect_port_controls(false);
  // The next search finds the port closed and asks for it to be opened.
  vela::test::take_operator_messages();
  window_->serial_search();
  EXPECT_EQ(vela::test::take_operator_messages(), std::vector<std::string>{"Please open the serial port first!"});
}

// --- picture ------------------------------------------------------------------------

// Saves the dialog in its two looks to $VELA_RENDER_DIR for a person to check.
TEST_F(ConfigureSerialTest, RendersForInspection) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "VELA_RENDER_DIR is not set";
  ASSERT_TRUE(QDir().mkpath(dir));
  set_current_device("127.0.1.20", 0xA1, 3, true);
  show_dialog();
  EXPECT_TRUE(dialog_->grab().save(dir + "/configure.png"));
  connect_to_simulator();
  ASSERT_TRUE(dialog_->connected());
  EXPECT_TRUE(dialog_->grab().save(dir + "/configure-connected.png"));
}

}  // namespace
}  // namespace vela::test::connection_dialog
