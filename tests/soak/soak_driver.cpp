// The panel through a long session, as scripts/soak runs it: the demo's
// simulator on loopback, network searches, device (page) and sub-page
// switches every few seconds, presses of every page's controls, serial
// connects, searches and disconnects, for a given time. The script samples
// this process's memory and descriptors from outside; the driver prints what
// the allocator holds in use ("heap: SECONDS KB") every 10 s, so that memory
// the program holds can be told from memory the allocator keeps, and the
// part of it the protocol trace's ring buffers hold ("heap: SECONDS KB
// TRACE_KB RECORDS").
//
// usage: soak_driver [--duration SECONDS] [--step-ms MS] [--seed N] [--devsim PATH]
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "control_id.h"
#include "demo_simulator.h"
#include "device_page.h"
#include "diagnostics.h"
#include "heap_tidy.h"
#include "trace.h"
#include "main_window.h"
#include "operator_message.h"
#include "connection_dialog.h"

namespace {

// Connection dialog controls.
constexpr int kModeListId = 1103;
constexpr int kPortListId = 1014;
constexpr int kConnectId = 1011;
// The main window's scan button.
constexpr int kScanId = 1005;

struct SoakOptions {
  int duration_s = 3600;
  int step_ms = 1000;
  unsigned seed = 1;
  QString devsim;
};

bool read_options(int argc, char** argv, SoakOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--duration")
      options.duration_s = std::atoi(argv[i + 1]);
    else if (name == "--step-ms")
      options.step_ms = std::atoi(argv[i + 1]);
    else if (name == "--seed")
      options.seed = static_cast<unsigned>(std::atoi(argv[i + 1]));
    else if (name == "--devsim")
      options.devsim = QString::fromLocal8Bit(argv[i + 1]);
    else if (name != "-platform")
      return false;
  }
  return options.duration_s > 0 && options.step_ms > 0;
}

// Moves a list to an entry the way the operator does, with the arrow keys.
void choose_by_keys(QComboBox* list, int index) {
  for (int guard = 0; list->currentIndex() != index && guard < list->count() + 1; ++guard)
    QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
}

class SoakScript {
 public:
  SoakScript(MainWindow& window, QString serial_path, unsigned seed)
      : window_(window), serial_path_(std::move(serial_path)), random_(seed) {}

  void step() {
    // A press that opened a modal dialog runs its own event loop, in which
    // this timer fires again: close the dialog so the press returns.
    if (depth_ > 0) {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      ++counts_["modal closed"];
      return;
    }
    ++depth_;
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    const int roll = static_cast<int>(random_() % 100);
    if (steps_ % 40 == 0)
      search();
    else if (steps_ % 40 == 20)
      serial_round();
    else if (roll < 20)
      choose_device();
    else
      press_on_page();
    ++steps_;
    --depth_;
  }

  void report() const {
    std::printf("soak: %d steps", steps_);
    for (const auto& [what, count] : counts_) std::printf(", %s %d", what.c_str(), count);
    std::printf("\n");
    std::fflush(stdout);
  }

 private:
  void search() {
    set_mode(ConnectionDialog::kLanPortIndex);
    QTest::mouseClick(vela::find_control<QAbstractButton>(&window_, kScanId), Qt::LeftButton);
    ++counts_["searches"];
  }

  // The device list's popup, an entry clicked: the page of that device.
  void choose_device() {
    QComboBox* list = window_.device_list();
    if (list->count() == 0) return;
    const int entry = static_cast<int>(random_() % static_cast<unsigned>(list->count()));
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect item = view->visualRect(list->model()->index(entry, 0));
    if (item.isValid()) QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    ++counts_["device switches"];
  }

  // A control of the current page (its sub-page tabs among them): a button
  // pressed, or a list moved one entry.
  void press_on_page() {
    QWidget* page = window_.m_device_page;
    if (page == nullptr) return;
    std::vector<QWidget*> controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget);
      if (control && widget->isVisible() && widget->isEnabled()) controls.push_back(widget);
    }
    if (controls.empty()) return;
    QPointer<QWidget> control = controls[random_() % controls.size()];
    if (auto* list = qobject_cast<QComboBox*>(control.data())) {
      if (list->count() > 1) choose_by_keys(list, (list->currentIndex() + 1) % list->count());
      ++counts_["list moves"];
    } else {
      QTest::mouseClick(control, Qt::LeftButton);
      ++counts_["presses"];
    }
  }

  // Through the connection dialog: serial mode, the demo's terminal, Connect,
  // a serial search, Disconnect, back to the network.
  void serial_round() {
    ConnectionDialog* dialog = configure();
    set_mode(ConnectionDialog::kSerialPortIndex);
    auto* ports = vela::find_control<QComboBox>(dialog, kPortListId);
    choose_by_keys(ports, ports->findText(serial_path_));
    auto* connect = vela::find_control<QAbstractButton>(dialog, kConnectId);
    QTest::mouseClick(connect, Qt::LeftButton);
    if (window_.m_link.serial_port().is_open()) ++counts_["serial connects"];
    QTest::mouseClick(vela::find_control<QAbstractButton>(&window_, kScanId), Qt::LeftButton);
    QTest::mouseClick(connect, Qt::LeftButton);
    set_mode(ConnectionDialog::kLanPortIndex);
    dialog->hide();
  }

  ConnectionDialog* configure() {
    if (window_.m_connection_dialog == nullptr || !window_.m_connection_dialog->isVisible()) window_.show_configure();
    return window_.m_connection_dialog;
  }

  void set_mode(int index) {
    ConnectionDialog* dialog = configure();
    choose_by_keys(vela::find_control<QComboBox>(dialog, kModeListId), index);
    dialog->hide();
  }

  MainWindow& window_;
  QString serial_path_;
  std::mt19937 random_;
  int steps_ = 0;
  int depth_ = 0;
  std::map<std::string, int> counts_;
};

}  // namespace

// Bytes handed out by the allocator and not yet freed, mapped blocks included.
long heap_in_use_kb() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vela::keep_large_blocks_mapped();  // as the panel does
  SoakOptions options;
  if (!read_options(argc, argv, options)) {
    std::fprintf(stderr, "usage: soak_driver [--duration SECONDS] [--step-ms MS] [--seed N] [--devsim PATH]\n");
    return 2;
  }
  // The diagnostics of an hour would only fill the log; messages are counted.
  vela::set_diagnostic_sink([](const std::string&) {});
  int messages = 0;
  vela::set_operator_message_handler([&messages](const std::string&) { ++messages; });

  vela::PanelOptions panel;
  vela::DemoSimulator demo;
  if (!demo.start(vela::DemoSimulator::locate(options.devsim), panel.link)) {
    std::fprintf(stderr, "soak_driver: %s\n", qPrintable(demo.error()));
    return 1;
  }
  panel.extra_serial_ports << demo.serial_path();
  std::printf("soak: pid %d, %d s, a step every %d ms\n", static_cast<int>(QCoreApplication::applicationPid()),
              options.duration_s, options.step_ms);
  std::fflush(stdout);

  int status = 0;
  {
    MainWindow window(panel);
    window.initialise();
    window.show();
    SoakScript script(window, demo.serial_path(), options.seed);
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&script] { script.step(); });
    steps.start(options.step_ms);
    QElapsedTimer clock;
    clock.start();
    QTimer heap;
    QObject::connect(&heap, &QTimer::timeout, [&clock] {
      const vela::ProtocolTrace& trace = vela::protocol_trace();
      std::printf("heap: %lld %ld %zu %llu\n", clock.elapsed() / 1000, heap_in_use_kb(), trace.held_bytes() / 1024,
                  static_cast<unsigned long long>(trace.next_sequence()));
      std::fflush(stdout);
    });
    heap.start(10'000);
    QTimer::singleShot(options.duration_s * 1000, &app, [&] {
      steps.stop();
      // exit(), not quit(): the panel window refuses to be closed.
      QApplication::exit(0);
    });
    status = QApplication::exec();
    script.report();
  }
  std::printf("soak: %d operator messages\n", messages);
  demo.stop();
  return status;
}
