#pragma once
// The connection dialog: chooses the connection mode, opens and closes the
// serial port, and gives the current device a new IPv4 address. A modeless
// tool window of the main window, created on first use and then only hidden
// and shown again; it is handed the page context it works on.
#include <QDialog>
#include <QRect>

class QComboBox;
class QLabel;
class QPushButton;
class Ipv4AddressEdit;
namespace vela {
class PageContext;
class SerialConnection;
}  // namespace vela

class ConnectionDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 142;
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 400;

  // Mode list entries, by index.
  static constexpr int kLanPortIndex = 0;
  static constexpr int kSerialPortIndex = 1;

  ConnectionDialog(vela::PageContext& context, QWidget* parent);
  ~ConnectionDialog() override;

  // True after this dialog opened the serial port.
  bool connected() const;

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void create_controls();
  void initialise();
  void on_mode_selected(int index);
  void on_change_ip();
  void show_port_opened();
  // Connect again offered, port and baud lists free.
  void show_port_closed();
  void show_connected(bool connected);
  void hide_dialog();

  vela::PageContext& m_context;
  vela::SerialConnection* m_connection = nullptr;
  QRect m_status_rect;

  QComboBox* m_mode_list = nullptr;
  Ipv4AddressEdit* m_address = nullptr;
  QPushButton* m_change_ip = nullptr;
  QComboBox* m_port_list = nullptr;
  QComboBox* m_baud_list = nullptr;
  QPushButton* m_connect = nullptr;
  QLabel* m_status_icon = nullptr;
};
