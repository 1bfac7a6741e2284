#pragma once
// The panel's one top-level window: the device list, the scan and set
// buttons, the page area with the current device's page. As the pages'
// context it owns everything that outlives a page (link, device table, state
// records).
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <array>
#include <memory>

#include "page_context.h"
#include "page_dispatch.h"
#include "panel_options.h"

class QComboBox;
class QLabel;
class QPushButton;
class SkinButton;
class ConnectionDialog;
namespace vela {
class DevicePage;
class DeviceNetworkNote;
class LiveWait;
class WaitIndication;
class StatusLine;
class HeapTidy;
class SerialPortReports;
class TraceWindow;
}  // namespace vela

class MainWindow : public QDialog, public vela::PageContext {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 102;
  static constexpr int kWidth = 1280;
  static constexpr int kHeight = 720;
  static constexpr const char* kVersionText = "Ver " VELA_VERSION;

  explicit MainWindow(const vela::PanelOptions& options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs the start-up steps (placing the controls, the diagnostics).
  void initialise();

  // Device selection: closes the page, resets the selection-dependent state
  // and opens the page of the current entry.
  void select_device();
  void close_current_page();
  // Who the current entry of the device list is, for its records.
  vela::DeviceIdentity chosen_device() const;
  // Ends the page's senders on other threads, then closes the command socket.
  void close_command_socket();
  // A choice in the device list (by the operator).
  void on_device_list_choice(int index);
  // The scan button: network or serial search by the connection mode.
  void on_scan();
  void network_search();
  void serial_search();
  // The set button: shows the connection dialog (created on first use).
  void show_configure();

  // Shell fields (the link and the state records are the page context's).
  vela::DevicePage* m_device_page = nullptr;
  ConnectionDialog* m_connection_dialog = nullptr;
  QRect m_page_area;

  QComboBox* device_list() const { return m_device_list; }

  // The protocol trace window (the TRACE button, Ctrl+T), made on first use.
  void show_trace();
  vela::TraceWindow* trace_window() const { return m_trace_window; }
  vela::StatusLine* status_line() const { return m_status_line; }
  const vela::HeapTidy* heap_tidy() const { return m_heap_tidy; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void create_controls();
  void create_wait_display();
  void create_status_controls();
  // Tells the status line what becomes of the serial port, whichever page opened it.
  void report_serial_port();
  vela::DevicePage* create_page(vela::PageKind kind);
  void show_about_box();

  QComboBox* m_device_list = nullptr;
  SkinButton* m_min_button = nullptr;
  SkinButton* m_max_button = nullptr;
  SkinButton* m_close_button = nullptr;
  SkinButton* m_scan_button = nullptr;
  SkinButton* m_set_button = nullptr;
  QLabel* m_page_frame = nullptr;
  QLabel* m_version_static = nullptr;
  QPushButton* m_connection_caption = nullptr;
  vela::DeviceNetworkNote* m_network_note = nullptr;
  vela::StatusLine* m_status_line = nullptr;
  QPushButton* m_trace_button = nullptr;
  vela::TraceWindow* m_trace_window = nullptr;
  // Keeps the window painting while it waits for a reply and shows what for.
  std::unique_ptr<vela::LiveWait> m_live_wait;
  vela::WaitIndication* m_search_progress = nullptr;
  vela::WaitIndication* m_wait_indication = nullptr;
  vela::HeapTidy* m_heap_tidy = nullptr;
  // A member, not a child, so that it goes before the port it listens to.
  std::unique_ptr<vela::SerialPortReports> m_serial_reports;
  bool m_dragging = false;
  QPoint m_drag_offset;
};
