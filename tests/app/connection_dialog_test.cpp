// The connection dialog, driven with keys and clicks, against vela-devsim
// as the device on the other end of the serial line and of the network.
#include "connection_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <thread>

#include "gui_test_environment.h"
#include "control_id.h"
#include "ipv4_address_edit.h"
#include "loopback.h"
#include "main_window.h"
#include "network_interfaces.h"
#include "sim_log.h"
#include "sim_process.h"
#include "skin.h"

namespace {

using vela::test::DiagnosticRecorder;
using vela::test::LogRecord;
using vela::test::SimLog;
using vela::test::SimProcess;

constexpr int kModeList = 1103;
constexpr int kAddress = 1036;
constexpr int kChangeIp = 1032;
constexpr int kPortList = 1014;
constexpr int kBaudList = 1015;
constexpr int kConnect = 1011;
constexpr int kStatusIcon = 1104;
constexpr int kDisconnectedIcon = 211;
constexpr int kConnectedIcon = 212;

constexpr std::size_t kSetAddressFrameLength = 32;
const std::string kMissingPort = "/nonexistent/vela-test-tty";

bool is_set_address(const LogRecord& record) { return record.code == vela::code::kSetAddress; }

// The main window with its connection dialog. The main window is made the
// way the panel makes it; the dialog is opened through its set button path.
class ConfigureDialogTest : public ::testing::Test {
 protected:
  void open_panel(const vela::PanelOptions& options = {}) {
    window_ = std::make_unique<MainWindow>(options);
    window_->initialise();
  }

  ConnectionDialog* show_dialog() {
    window_->show_configure();
    dialog_ = window_->m_pSetConfigure;
    return dialog_;
  }

  vela::LinkSession& link() { return window_->m_link; }

  template <class T>
  T* control(int id) const {
    T* found = vela::find_control<T>(dialog_, id);
    EXPECT_NE(found, nullptr) << "control " << id;
    return found;
  }
  QComboBox* list(int id) const { return control<QComboBox>(id); }
  QPushButton* button(int id) const { return control<QPushButton>(id); }
  Ipv4AddressEdit* address_field() const { return control<Ipv4AddressEdit>(kAddress); }

  // Selects an entry the way the operator does with the arrow keys.
  static void choose(QComboBox* combo, int index) {
    ASSERT_GE(index, 0);
    ASSERT_LT(index, combo->count());
    while (combo->currentIndex() != index) {
      const int before = combo->currentIndex();
      QTest::keyClick(combo, before < index ? Qt::Key_Down : Qt::Key_Up);
      ASSERT_NE(combo->currentIndex(), before) << "the list did not take the key";
    }
  }
  void choose_mode(int index) { choose(list(kModeList), index); }
  void choose_port(const std::string& path) {
    const int index = list(kPortList)->findText(QString::fromStdString(path));
    ASSERT_GE(index, 0) << path << " is not in the port list";
    choose(list(kPortList), index);
  }

  void click(int id) { QTest::mouseClick(button(id), Qt::LeftButton); }

  void type_address(const std::array<int, 4>& octets) {
    Ipv4AddressEdit* field = address_field();
    for (int i = 0; i < 4; ++i) {
      field->field(i)->clear();
      QTest::keyClicks(field->field(i), QString::number(octets[static_cast<std::size_t>(i)]));
    }
  }

  // Which status icon the dialog shows, by comparing pictures.
  int shown_icon() const {
    const QImage shown = control<QLabel>(kStatusIcon)->pixmap().toImage();
    for (int id : {kDisconnectedIcon, kConnectedIcon})
      if (shown == vela::Skin::pixmap(id, QSize(32, 32)).toImage()) return id;
    return -1;
  }

  // What the operator sees of the port: caption, lists and status icon.
  void expect_port_controls(bool connected) const {
    EXPECT_EQ(button(kConnect)->text(), connected ? "Disconnect" : "Connect");
    EXPECT_EQ(list(kPortList)->isEnabled(), !connected);
    EXPECT_EQ(list(kBaudList)->isEnabled(), !connected);
    EXPECT_EQ(dialog_->connected(), connected);
    EXPECT_EQ(shown_icon(), connected ? kConnectedIcon : kDisconnectedIcon);
  }

  void set_current_device(const std::string& address, std::uint8_t type, std::uint8_t id, std::uint8_t count) {
    vela::DeviceEntry& entry = link().device_table[0];
    entry.set_address(address);
    entry.type = type;
    entry.id = id;
    link().device_count = count;
    link().m_device_index = 0;
  }

  void expect_serial_controls_enabled(bool serial) {
    EXPECT_EQ(button(kConnect)->isEnabled(), serial);
    EXPECT_EQ(list(kPortList)->isEnabled(), serial);
    EXPECT_EQ(list(kBaudList)->isEnabled(), serial);
    EXPECT_EQ(address_field()->isEnabled(), !serial);
    EXPECT_EQ(button(kChangeIp)->isEnabled(), !serial);
  }

  DiagnosticRecorder diagnostics_;
  std::unique_ptr<MainWindow> window_;
  ConnectionDialog* dialog_ = nullptr;
};

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
  link().m_eState = c.mode;
  if (c.device_address) set_current_device(*c.device_address, 0xA1, 3, 1);
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
  EXPECT_EQ(link().m_eState, c.mode) << "creating the dialog changes no mode";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ConfigureCreationTest,
    ::testing::Values(CreationCase{"NetworkWithDevice", 0, "192.168.1.20", {192, 168, 1, 20}, false},
                      CreationCase{"SerialWithDevice", 1, "10.0.0.7", {10, 0, 0, 7}, false},
                      CreationCase{"NetworkWithoutDevice", 0, std::nullopt, {0, 0, 0, 0}, true}),
    [](const ::testing::TestParamInfo<CreationCase>& info) { return std::string(info.param.name); });

// --- mode list --------------------------------------------------------------

TEST_F(ConfigureDialogTest, ModeListSwitchesControlsAndConnectionMode) {
  open_panel();
  show_dialog();

  choose_mode(ConnectionDialog::kSerialPortIndex);
  EXPECT_EQ(link().m_eState, vela::connection_mode::kSerial);
  expect_serial_controls_enabled(true);

  choose_mode(ConnectionDialog::kLanPortIndex);
  EXPECT_EQ(link().m_eState, vela::connection_mode::kNetwork);
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
  set_current_device("192.168.1.20", 0xA1, 3, 1);
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
  set_current_device("10.1.1.1", 0xA1, 3, 1);
  window_->m_extra_serial_ports << "/tmp/vela-ports/late-port";
  EXPECT_EQ(show_dialog(), first);
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_EQ(diagnostics_.count("m_pSetConfigure = null \n"), 0U);
  EXPECT_EQ(list(kBaudList)->currentText(), "57600");
  EXPECT_EQ(list(kModeList)->currentIndex(), ConnectionDialog::kSerialPortIndex);
  EXPECT_EQ(list(kPortList)->count(), ports_before);
  EXPECT_EQ(address_field()->address(), (std::array<std::uint8_t, 4>{192, 168, 1, 20}));
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
  ASSERT_TRUE(link().com.is_open());
  EXPECT_EQ(link().com.port_name(), sim_->pty_path());
  expect_port_controls(true);

  click(kConnect);
  EXPECT_FALSE(link().com.is_open());
  expect_port_controls(false);
}

TEST_F(ConfigureSerialTest, PortThatCannotBeOpenedChangesNothing) {
  show_dialog();
  choose_mode(ConnectionDialog::kSerialPortIndex);
  choose_port(kMissingPort);
  click(kConnect);

  EXPECT_EQ(diagnostics_.count("com open failed \n"), 1U);
  EXPECT_EQ(diagnostics_.count("com open success \n"), 0U);
  EXPECT_FALSE(link().com.is_open());
  expect_port_controls(false);
}

TEST_F(ConfigureSerialTest, LanModeLeavesThePortOpenButShowsDisconnected) {
  show_dialog();
  connect_to_simulator();
  ASSERT_TRUE(link().com.is_open());

  choose_mode(ConnectionDialog::kLanPortIndex);
  EXPECT_TRUE(link().com.is_open()) << "switching the mode closes no port";
  EXPECT_EQ(link().m_eState, vela::connection_mode::kNetwork);
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
  EXPECT_TRUE(link().com.is_open());
  EXPECT_TRUE(dialog_->connected());
  EXPECT_EQ(shown_icon(), kConnectedIcon);
}

TEST_F(ConfigureSerialTest, ChangeIpInSerialModeWritesTheFrameOnlyWhileThePortIsOpen) {
  // A dialog made while the mode is serial keeps Change IP usable.
  link().m_eState = vela::connection_mode::kSerial;
  set_current_device("192.168.1.20", 0xA3, 1, 0);
  show_dialog();
  ASSERT_TRUE(button(kChangeIp)->isEnabled());

  type_address({172, 16, 9, 9});
  click(kChangeIp);  // port closed: nothing goes out

  // The port opened elsewhere (the matrix connection sub-page does that).
  ASSERT_TRUE(link().com.open(sim_->pty_path(), 9600));
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
  EXPECT_FALSE(link().com.is_open());
  EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog_->connected(); }, 5000));
  expect_port_controls(false);
  // The next search finds the port closed and asks for it to be opened.
  vela::test::take_operator_messages();
  window_->serial_search();
  EXPECT_EQ(vela::test::take_operator_messages(), std::vector<std::string>{"Please open the serial port first!"});
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
  set_current_device(address_, 0xA1, 3, 1);
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
  EXPECT_EQ(link().udp.m_udpSockfd, -1) << "the command socket is closed again";
  EXPECT_EQ(link().device_table[0].address_text(), address_) << "the table keeps the old address";
  EXPECT_TRUE(vela::test::take_operator_messages().empty());
}

TEST_F(ConfigureNetworkTest, ChangeIpWithoutSearchResultSendsNothing) {
  set_current_device(address_, 0xA1, 3, 0);
  show_dialog();
  type_address({10, 9, 8, 7});
  click(kChangeIp);
  EXPECT_EQ(window_->m_set_address_payload, (std::array<std::uint8_t, 12>{}));

  // A search result makes the same button send; the earlier click, had it
  // sent, would be logged before this frame.
  link().device_count = 1;
  type_address({10, 9, 8, 6});
  click(kChangeIp);
  const std::vector<LogRecord> frames = wait_for_set_address(1);
  ASSERT_EQ(frames.size(), 1U);
  ASSERT_EQ(frames[0].bytes().size(), kSetAddressFrameLength);
  EXPECT_EQ(frames[0].bytes()[vela::frame::kPayloadOffset + 3], 6);
  EXPECT_EQ(SimLog(sim_->log_path()).records().size(), 1U);
}

// --- picture ------------------------------------------------------------------------

// Saves the dialog in its two looks to $VELA_RENDER_DIR for a person to check.
TEST_F(ConfigureSerialTest, RendersForInspection) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "VELA_RENDER_DIR is not set";
  ASSERT_TRUE(QDir().mkpath(dir));
  set_current_device("192.168.1.20", 0xA1, 3, 1);
  show_dialog();
  EXPECT_TRUE(dialog_->grab().save(dir + "/configure.png"));
  connect_to_simulator();
  ASSERT_TRUE(dialog_->connected());
  EXPECT_TRUE(dialog_->grab().save(dir + "/configure-connected.png"));
}

}  // namespace

namespace {

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
