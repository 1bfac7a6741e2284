#pragma once
// The SETTING sub-page of the matrix: the connection mode of the routing
// texts, the current device's address, and the serial port opened or
// closed from here. It changes the panel's own connection mode and serial
// port; only its connected flag is its own, for one visit of the tab.
#include <QRect>

#include "matrix/matrix_sub_page.h"

class ShadeButton;
class Ipv4AddressEdit;
class QComboBox;
class QLabel;
namespace vela {
class SerialConnection;
}

class MatrixConnectionTab : public vela::MatrixSubPageBase {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 208;
  static constexpr int kLanPortIndex = 0;
  static constexpr int kSerialPortIndex = 1;

  MatrixConnectionTab(vela::PageContext& context, QWidget* parent);

  bool connected() const;
  QComboBox* mode_list() const { return m_mode_list; }
  Ipv4AddressEdit* address_field() const { return m_address; }
  QComboBox* port_list() const { return m_port_list; }
  QComboBox* baud_list() const { return m_baud_list; }
  ShadeButton* connect_button() const { return m_connect; }
  QLabel* status_icon() const { return m_status_icon; }

 private:
  void create_controls();
  void initialise();
  void on_mode_selected(int index);
  void show_port_opened();
  // Connect again offered, port and baud lists free.
  void show_port_closed();
  void show_connected(bool connected);

  vela::SerialConnection* m_connection = nullptr;
  QRect m_status_rect;

  QComboBox* m_mode_list = nullptr;
  Ipv4AddressEdit* m_address = nullptr;
  QComboBox* m_port_list = nullptr;
  QComboBox* m_baud_list = nullptr;
  ShadeButton* m_connect = nullptr;
  QLabel* m_status_icon = nullptr;
};
