#pragma once
// The connection dialog of a main window made the way the panel makes it,
// opened through its set button path, with its controls found by id.
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

#include "connection_dialog.h"
#include "control_id.h"
#include "device_entries.h"
#include "gui_test_environment.h"
#include "ipv4_address_edit.h"
#include "loopback.h"
#include "main_window.h"
#include "network_interfaces.h"
#include "sim_log.h"
#include "sim_process.h"
#include "skin.h"

namespace vela::test::connection_dialog {

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

inline bool is_set_address(const LogRecord& record) { return record.code == vela::code::kSetAddress; }

// The main window with its connection dialog.
class ConfigureDialogTest : public ::testing::Test {
 protected:
  void open_panel(const vela::PanelOptions& options = {}) {
    window_ = std::make_unique<MainWindow>(options);
    window_->initialise();
  }

  ConnectionDialog* show_dialog() {
    window_->show_configure();
    dialog_ = window_->m_connection_dialog;
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

  // Entry 0 becomes the current device. Unlisted, it is current as a serial
  // search leaves it: no network search listed it.
  void set_current_device(const std::string& address, std::uint8_t type, std::uint8_t id, bool listed) {
    vela::LinkSession& session = link();
    session.use_single_device(device_entry(type, id, address));
    if (listed) return;
    const std::int32_t mode = session.connection_mode();
    session.forget_devices(vela::DeviceTableEntries::Keep);
    session.set_connection_mode(vela::connection_mode::kSerial);
    session.choose_device(0);
    session.set_connection_mode(mode);
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

}  // namespace vela::test::connection_dialog
