// The connection dialog, driven with keys and clicks: how it starts, its
// lists, hiding and showing again, and Change IP against vela-devsim as the
// device on the network.
#include "connection_dialog_fixture.h"

namespace vela::test::connection_dialog {
namespace {

// --- creation -------------------------------------------------------------

struct CreationCase {
  const char* name;
  std::int32_t mode;
  std::optional<std::string> device_address;  // none: no current device
  std::array<std::uint8_t, 4> expected_address;
  bool expect_blank;
};

class ConfigureCreationTest : public ConfigureDialogTest, public ::testing::WithParamInterface<CreationCase> {};

TEST_P(ConfigureCreationTest, StartsFromTheMainWindowsStateWithTheSerialControlsDisabled) {
  const CreationCase& c = GetParam();
  open_panel();
  link().set_connection_mode(c.mode);
  if (c.device_address) set_current_device(*c.device_address, 0xA1, 3, true);
  show_dialog();

  EXPECT_EQ(dialog_->windowTitle(), "Configure");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(dialog_->size(), QSize(480, 400));
  EXPECT_EQ(dialog_->pos(), window_->pos() + QPoint(340, 100));
  EXPECT_EQ(diagnostics_.count("m_pSetConfigure = null \n"), 1U);

  EXPECT_EQ(list(kModeList)->currentIndex(), c.mode);
  EXPECT_EQ(list(kModeList)->itemText(0), "LAN Port");
  EXPECT_EQ(list(kModeList)->itemText(1), "Serial Port");
  QStringList bauds;
  for (int i = 0; i < list(kBaudList)->count(); ++i) bauds << list(kBaudList)->itemText(i);
  EXPECT_EQ(bauds, QStringList({"9600", "19200", "38400", "57600", "115200"}));
  EXPECT_EQ(list(kBaudList)->currentText(), "9600");
  EXPECT_EQ(list(kPortList)->currentIndex(), list(kPortList)->count() > 0 ? 0 : -1);

  // Whatever the mode: no Connect before the operator picks "Serial Port",
  // and Change IP stays usable.
  EXPECT_FALSE(button(kConnect)->isEnabled());
  EXPECT_FALSE(list(kPortList)->isEnabled());
  EXPECT_FALSE(list(kBaudList)->isEnabled());
  EXPECT_TRUE(address_field()->isEnabled());
  EXPECT_TRUE(button(kChangeIp)->isEnabled());
  EXPECT_EQ(button(kConnect)->text(), "Connect");
  EXPECT_EQ(button(kChangeIp)->text(), "Change  IP");
  EXPECT_FALSE(dialog_->connected());
  EXPECT_EQ(shown_icon(), kDisconnectedIcon);

  EXPECT_EQ(address_field()->address(), c.expected_address);
  EXPECT_EQ(address_field()->is_blank(), c.expect_blank);
  EXPECT_EQ(link().connection_mode(), c.mode) << "creating the dialog changes no mode";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ConfigureCreationTest,
    ::testing::Values(CreationCase{"NetworkWithDevice", 0, "127.0.1.20", {127, 0, 1, 20}, false},
                      CreationCase{"SerialWithDevice", 1, "127.0.0.7", {127, 0, 0, 7}, false},
                      CreationCase{"NetworkWithoutDevice", 0, std::nullopt, {0, 0, 0, 0}, true}),
    [](const ::testing::TestParamInfo<CreationCase>& info) { return std::string(info.param.name); });

// --- mode list --------------------------------------------------------------

TEST_F(ConfigureDialogTest, ModeListSwitchesControlsAndConnectionMode) {
  open_panel();
  show_dialog();

  choose_mode(ConnectionDialog::kSerialPortIndex);
  EXPECT_EQ(link().connection_mode(), vela::connection_mode::kSerial);
  expect_serial_controls_enabled(true);

  choose_mode(ConnectionDialog::kLanPortIndex);
  EXPECT_EQ(link().connection_mode(), vela::connection_mode::kNetwork);
  expect_serial_controls_enabled(false);
}

// --- port list ----------------------------------------------------------------

TEST_F(ConfigureDialogTest, PortListIsSortedAsTextAndHoldsTheGivenPortsOnce) {
  vela::PanelOptions options;
  options.extra_serial_ports = {"/tmp/vela-ports/ttyS2", "/tmp/vela-ports/ttyS10", "/tmp/vela-ports/ttyS2",
                                "/tmp/vela-ports/a-port"};
  open_panel(options);
  show_dialog();

  QComboBox* ports = list(kPortList);
  std::vector<std::string> items;
  for (int i = 0; i < ports->count(); ++i) items.push_back(ports->itemText(i).toStdString());
  EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
  for (const char* path : {"/tmp/vela-ports/ttyS2", "/tmp/vela-ports/ttyS10", "/tmp/vela-ports/a-port"})
    EXPECT_EQ(std::count(items.begin(), items.end(), path), 1) << path;
  const auto position = [&items](const char* path) { return std::find(items.begin(), items.end(), path); };
  EXPECT_LT(position("/tmp/vela-ports/ttyS10"), position("/tmp/vela-ports/ttyS2"));
  EXPECT_EQ(ports->currentIndex(), 0);
}

// --- hide and show again --------------------------------------------------------

enum class HideBy { Escape, Enter, CloseCommand };

class ConfigureHideTest : public ConfigureDialogTest, public ::testing::WithParamInterface<HideBy> {};

TEST_P(ConfigureHideTest, HidesKeepingStateAndComesBackUnrefreshed) {
  open_panel();
  set_current_device("127.0.1.20", 0xA1, 3, true);
  ConnectionDialog* first = show_dialog();
  choose_mode(ConnectionDialog::kSerialPortIndex);
  choose(list(kBaudList), 3);
  const int ports_before = list(kPortList)->count();
  diagnostics_.clear();

  switch (GetParam()) {
    case HideBy::Escape:
      QTest::keyClick(list(kBaudList), Qt::Key_Escape);
      break;
    case HideBy::Enter:
      QTest::keyClick(list(kBaudList), Qt::Key_Return);
      break;
    case HideBy::CloseCommand:
      dialog_->close();
      break;
  }
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(diagnostics_.count(" close \n"), 1U);
  EXPECT_EQ(diagnostics_.count("free the p\n"), 0U);

  // The device and the extra ports change; the dialog shows what it had.
  set_current_device("127.1.1.1", 0xA1, 3, true);
  window_->m_extra_serial_ports << "/tmp/vela-ports/late-port";
  EXPECT_EQ(show_dialog(), first);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(diagnostics_.count("m_pSetConfigure = null \n"), 0U);
  EXPECT_EQ(list(kBaudList)->currentText(), "57600");
  EXPECT_EQ(list(kModeList)->currentIndex(), ConnectionDialog::kSerialPortIndex);
  EXPECT_EQ(list(kPortList)->count(), ports_before);
  EXPECT_EQ(address_field()->address(), (std::array<std::uint8_t, 4>{127, 0, 1, 20}));
}

INSTANTIATE_TEST_SUITE_P(Ways, ConfigureHideTest,
                         ::testing::Values(HideBy::Escape, HideBy::Enter, HideBy::CloseCommand),
                         [](const ::testing::TestParamInfo<HideBy>& info) {
                           switch (info.param) {
                             case HideBy::Escape:
                               return std::string("Escape");
                             case HideBy::Enter:
                               return std::string("Enter");
                             case HideBy::CloseCommand:
                               return std::string("CloseCommand");
                           }
                           return std::string();
                         });

TEST_F(ConfigureDialogTest, GoesWithTheMainWindowOnly) {
  open_panel();
  show_dialog();
  dialog_->reject();
  EXPECT_EQ(diagnostics_.count("free the p\n"), 0U);
  window_.reset();
  EXPECT_EQ(diagnostics_.count("free the p\n"), 1U);
}

// --- Change IP over the network -----------------------------------------------------

// A simulated multiviewer at its own loopback address; the panel sends to
// the simulator's port from a free local port.
class ConfigureNetworkTest : public ConfigureDialogTest {
 protected:
  void SetUp() override {
    address_ = vela::test::LoopbackRange::for_this_process().address(3);
    const std::uint16_t device_port = vela::test::free_udp_port({address_});
    sim_ = std::make_unique<SimProcess>(std::vector<std::string>{"--port", std::to_string(device_port), "--device",
                                                                 "type=0xA1,id=3,name=Studio,addr=" + address_});
    vela::PanelOptions options;
    options.link.device_port = device_port;
    options.link.local_port = vela::test::free_udp_port({address_});
    open_panel(options);
  }

  std::vector<LogRecord> wait_for_set_address(std::size_t count) const {
    return SimLog(sim_->log_path()).wait_for(count, is_set_address);
  }

  std::string address_;
  std::unique_ptr<SimProcess> sim_;
};

TEST_F(ConfigureNetworkTest, ChangeIpSendsTheNewAddressToTheCurrentDevice) {
  set_current_device(address_, 0xA1, 3, true);
  show_dialog();
  type_address({192, 168, 7, 201});
  click(kChangeIp);

  const std::vector<LogRecord> frames = wait_for_set_address(1);
  ASSERT_EQ(frames.size(), 1U);
  EXPECT_EQ(frames[0].carrier, "udp");
  EXPECT_EQ(frames[0].device, "Studio");
  const vela::Bytes bytes = frames[0].bytes();
  ASSERT_EQ(bytes.size(), kSetAddressFrameLength);
  EXPECT_EQ(bytes[vela::frame::kLinkFlagOffset], vela::frame::kLinkUdp);
  EXPECT_EQ(bytes[vela::frame::kTypeOffset], 0xA1);
  EXPECT_EQ(bytes[vela::frame::kIdOffset], 3);
  EXPECT_EQ(bytes[vela::frame::kCodeOffset], vela::code::kSetAddress);
  const vela::Bytes payload(bytes.begin() + vela::frame::kPayloadOffset,
                            bytes.begin() + vela::frame::kPayloadOffset + 12);
  EXPECT_EQ(payload, (vela::Bytes{192, 168, 7, 201, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(link().udp_link().m_command_socket_fd, -1) << "the command socket is closed again";
  EXPECT_EQ(link().devices()[0].address_text(), address_) << "the table keeps the old address";
  EXPECT_TRUE(vela::test::take_operator_messages().empty());
}

TEST_F(ConfigureNetworkTest, ChangeIpWithoutSearchResultSendsNothing) {
  set_current_device(address_, 0xA1, 3, false);
  show_dialog();
  type_address({10, 9, 8, 7});
  click(kChangeIp);
  EXPECT_EQ(window_->m_set_address_payload, (std::array<std::uint8_t, 12>{}));

  // A search result makes the same button send; the earlier click, had it
  // sent, would be logged before this frame.
  link().add_found_device(link().devices()[0]);
  type_address({10, 9, 8, 6});
  click(kChangeIp);
  const std::vector<LogRecord> frames = wait_for_set_address(1);
  ASSERT_EQ(frames.size(), 1U);
  ASSERT_EQ(frames[0].bytes().size(), kSetAddressFrameLength);
  EXPECT_EQ(frames[0].bytes()[vela::frame::kPayloadOffset + 3], 6);
  EXPECT_EQ(SimLog(sim_->log_path()).records().size(), 1U);
}

// Where a network scan goes, as the dialog says it: the given address alone,
// or the limited broadcast and every network of this computer that can take
// a broadcast (read from the system; nothing is sent).
TEST_F(ConfigureDialogTest, SaysWhichNetworksAScanReaches) {
  vela::PanelOptions given;
  given.link.broadcast = "127.0.0.1";
  open_panel(given);
  show_dialog();
  const auto* line = dialog_->findChild<QLabel*>(QStringLiteral("search_coverage"));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->toolTip(), "Network scan reaches 127.0.0.1 only");

  vela::PanelOptions every;
  every.link.search_every_network = true;
  dialog_ = nullptr;
  window_.reset();
  open_panel(every);
  show_dialog();
  line = dialog_->findChild<QLabel*>(QStringLiteral("search_coverage"));
  ASSERT_NE(line, nullptr);
  QString expected = QStringLiteral("Network scan reaches 255.255.255.255");
  for (const auto& network : vela::searched_networks(vela::local_networks()))
    expected += QStringLiteral("  \u00b7  ") + QString::fromStdString(network.description());
  EXPECT_EQ(line->toolTip(), expected);
}

}  // namespace
}  // namespace vela::test::connection_dialog
