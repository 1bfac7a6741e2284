// The frames the main window and its connection dialog send, against frames
// written out byte by byte: the device search (type byte 0x81, id byte 0xFF
// whatever the device, code 0xFF) and the set-address command (code 0x05,
// the new address and eight zeros), each over the network (link flag 1) and
// over the serial line (link flag 0, a byte sum one lower).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "connection_dialog.h"
#include "control_id.h"
#include "device_entries.h"
#include "gui_test_environment.h"
#include "hex_text.h"
#include "ipv4_address_edit.h"
#include "loopback.h"
#include "main_window.h"
#include "sim_log.h"
#include "sim_process.h"
#include "skin_button.h"

namespace vela::test {
namespace {

constexpr int kAddressField = 1036;
constexpr int kChangeIp = 1032;

std::string literal_hex(const std::string& literal) { return to_hex(parse_hex(literal)); }

std::vector<std::string> hex_with_code(const SimLog& log, int code, std::size_t count) {
  std::vector<std::string> found;
  for (const LogRecord& r : log.wait_for(count, [code](const LogRecord& r) { return r.code == code; }))
    found.push_back(to_hex(r.bytes()));
  return found;
}

struct MainWindowFrames : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<MainWindow> window;
  DiagnosticRecorder diagnostics;

  void SetUp() override { take_operator_messages(); }

  // A simulated multiviewer at its loopback address that also hears the
  // search on this test's own loopback "broadcast" address; plus a serial
  // LM5530 on a pseudo-terminal.
  void start() {
    const std::uint16_t device_port = free_udp_port(range.addresses(LoopbackRange::kSize));
    sim = std::make_unique<SimProcess>(std::vector<std::string>{
        "--port", std::to_string(device_port), "--broadcast-listen", range.address(0), "--device",
        "type=0xA1,id=3,name=Studio,addr=" + range.address(1), "--serial", "type=0xA3,id=1,name=Booth"});
    PanelOptions options;
    options.link.device_port = device_port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    options.extra_serial_ports = {QString::fromStdString(sim->pty_path())};
    window = std::make_unique<MainWindow>(options);
    window->initialise();
  }

  void make_current(std::uint8_t type, std::uint8_t id) {
    window->m_link.use_single_device(device_entry(type, id, range.address(1)));
  }

  // Types the address into the connection dialog and presses Change IP.
  void change_ip(const std::array<int, 4>& octets) {
    window->show_configure();
    ConnectionDialog* dialog = window->m_connection_dialog;
    ASSERT_NE(dialog, nullptr);
    auto* field = find_control<Ipv4AddressEdit>(dialog, kAddressField);
    ASSERT_NE(field, nullptr);
    for (int i = 0; i < 4; ++i) {
      field->field(i)->clear();
      QTest::keyClicks(field->field(i), QString::number(octets[static_cast<std::size_t>(i)]));
    }
    QTest::mouseClick(find_control<QPushButton>(dialog, kChangeIp), Qt::LeftButton);
  }
};

TEST_F(MainWindowFrames, TheNetworkSearchRequest) {
  start();
  QTest::mouseClick(window->findChild<SkinButton*>("id1005"), Qt::LeftButton);  // scan
  EXPECT_EQ(hex_with_code(SimLog(sim->log_path()), 0xFF, 1),
            (std::vector<std::string>{literal_hex("A5 6C 14 00 81 FF 01 00 00 00 00 00 00 00 00 00 FF A5 03 AE")}));
}

TEST_F(MainWindowFrames, TheSerialSearchRequest) {
  start();
  window->m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(window->m_link.serial_port().open(sim->pty_path(), 115200));
  window->serial_search();
  EXPECT_EQ(hex_with_code(SimLog(sim->log_path()), 0xFF, 1),
            (std::vector<std::string>{literal_hex("A5 6C 14 00 81 FF 00 00 00 00 00 00 00 00 00 00 FF A4 03 AE")}));
}

TEST_F(MainWindowFrames, ChangeIpOverTheNetwork) {
  start();
  make_current(0xA1, 3);
  change_ip({192, 168, 7, 201});
  EXPECT_EQ(hex_with_code(SimLog(sim->log_path()), 0x05, 1),
            (std::vector<std::string>{literal_hex(
                "A5 6C 20 00 A1 03 01 00 00 00 00 00 00 00 00 00 05 C0 A8 07 C9 00 00 00 00 00 00 00 00 13 04 AE")}));
}

// A dialog made while the connection mode is serial keeps Change IP enabled,
// and the command then goes over the line.
TEST_F(MainWindowFrames, ChangeIpOverTheSerialLine) {
  start();
  make_current(0xA3, 1);
  window->m_link.set_connection_mode(connection_mode::kSerial);
  ASSERT_TRUE(window->m_link.serial_port().open(sim->pty_path(), 115200));
  change_ip({10, 0, 0, 9});
  EXPECT_EQ(hex_with_code(SimLog(sim->log_path()), 0x05, 1),
            (std::vector<std::string>{literal_hex(
                "A5 6C 20 00 A3 01 00 00 00 00 00 00 00 00 00 00 05 0A 00 00 09 00 00 00 00 00 00 00 00 ED 01 AE")}));
}

}  // namespace
}  // namespace vela::test
