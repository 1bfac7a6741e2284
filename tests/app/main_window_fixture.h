#pragma once
// The main window with real widgets and a simulator of its own on loopback:
// the fixture the main window tests share.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "gui_test_environment.h"
#include "skin_button.h"
#include "device_entries.h"
#include "device_network_note.h"
#include "device_page.h"
#include "loopback.h"
#include "loopback_studio.h"
#include "heap_tidy.h"
#include "main_window.h"
#include "network_search.h"
#include "connection_dialog.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {

inline QStringList list_items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// Whether a list line's icon shows anything (a blank one keeps the column).
inline bool shows_sign(const QComboBox* list, int index) {
  const QImage image = list->itemIcon(index).pixmap(16).toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

inline QString page_class(const MainWindow& window) {
  return window.m_device_page ? window.m_device_page->class_name() : QString();
}

// A main window pointed at a simulator of its own on loopback.
struct MainWindowFixture : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  PanelOptions options;
  std::unique_ptr<MainWindow> window;
  DiagnosticRecorder diagnostics;

  void SetUp() override {
    take_operator_messages();
    // Pages that read their device send even without a simulator: keep
    // every datagram on this test's own loopback addresses and ports.
    options.link.device_port = free_udp_port(range.addresses(LoopbackRange::kSize));
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
  }

  std::string device_address(int i) const { return range.address(i + 1); }

  // Devices without addr; plus an optional serial device.
  void start(const std::vector<std::string>& devices, const std::string& serial_device = "") {
    const std::uint16_t device_port = free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args = {"--port", std::to_string(device_port), "--broadcast-listen", range.address(0)};
    for (std::size_t i = 0; i < devices.size(); ++i) {
      args.insert(args.end(), {"--device", devices[i] + ",addr=" + device_address(static_cast<int>(i))});
    }
    if (!serial_device.empty()) args.insert(args.end(), {"--serial", serial_device});
    sim = std::make_unique<SimProcess>(args);
    options.link.device_port = device_port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    open_window();
  }

  void open_window() {
    window = std::make_unique<MainWindow>(options);
    window->initialise();
  }

  // Fills the device table with one entry per type, as a search would.
  void list_devices(const std::vector<std::uint8_t>& types) {
    std::vector<DeviceEntry> entries;
    for (std::size_t i = 0; i < types.size(); ++i) {
      entries.push_back(device_entry(types[i], static_cast<std::uint8_t>(i + 1), device_address(static_cast<int>(i))));
      window->device_list()->addItem(QStringLiteral("device %1").arg(i));
    }
    list_found_devices(window->m_link, entries);
  }

  // Lists devices as the network search does, with the networks they
  // answered on. The table points at this test's loopback addresses whatever
  // the lines say: pages that read their device send as they open.
  void list_found(const std::vector<DiscoveredDevice>& found) {
    std::vector<DeviceEntry> entries;
    for (std::size_t i = 0; i < found.size(); ++i) {
      entries.push_back(found[i].entry);
      entries.back().set_address(device_address(static_cast<int>(i)));
      window->device_list()->addItem(QString::fromStdString(found[i].list_text()));
      describe_device_network(window->device_list(), static_cast<int>(i), found[i]);
    }
    list_found_devices(window->m_link, entries);
  }

  const DeviceNetworkNote& note() const { return *window->findChild<DeviceNetworkNote*>("device_network_note"); }

  // Opens the drop-down list and clicks the entry, as the operator does.
  void choose_entry(int index) {
    QComboBox* list = window->device_list();
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect item = view->visualRect(list->model()->index(index, 0));
    ASSERT_TRUE(item.isValid()) << "entry " << index;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  }
};

}  // namespace vela::test
