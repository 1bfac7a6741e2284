#include "connection_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "skin/shell_bitmaps.h"
#include "style_sheets.h"

#include "connection_choices.h"
#include "connection_form.h"
#include "control_id.h"
#include "diagnostics.h"
#include "drop_down_list.h"
#include "ipv4_address_edit.h"
#include "main_window.h"
#include "search_coverage_line.h"
#include "serial_line_watch.h"
#include "skin.h"
#include "skin_paint.h"
#include "skin_text.h"

namespace {

// Control ids.
constexpr int kModeListId = 1103;
constexpr int kAddressId = 1036;
constexpr int kChangeIpId = 1032;
constexpr int kPortListId = 1014;
constexpr int kBaudListId = 1015;
constexpr int kConnectId = 1011;
constexpr int kStatusIconId = 1104;

const QString kConnectCaption = QStringLiteral("Connect");
const QString kDisconnectCaption = QStringLiteral("Disconnect");

using namespace vela::connection_form;
constexpr QRect kChangeIpButton(kFieldX, 142, 120, 32);

QPushButton* make_button(QWidget* parent, int id, const QString& caption, const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  vela::set_control_id(button, id);
  button->setAutoDefault(false);
  button->setGeometry(place);
  return button;
}

}  // namespace

ConnectionDialog::ConnectionDialog(vela::PageContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Configure"));
  setFont(vela::skin_font(12, false));
  resize(kWidth, kHeight);
  m_line_watch = new vela::SerialLineWatch(this, m_context.m_link.com, [this](bool line_lost) {
    if (line_lost) emit serial_line_lost(m_port_list->currentText());
    show_port_closed();
  });
  create_controls();
  initialise();
}

ConnectionDialog::~ConnectionDialog() { vela::diag("free the p\n"); }

void ConnectionDialog::create_controls() {
  setStyleSheet(vela::caption_label_style() + vela::drop_down_list_style() + vela::push_button_style());

  add_caption(this, QStringLiteral("Connection Mode"), kModeCaption);
  m_mode_list = add_list(this, kModeListId, kModeList);
  connect(m_mode_list, &QComboBox::activated, this, &ConnectionDialog::on_mode_selected);
  new vela::SearchCoverageLine(m_context.m_link.udp, this);

  add_caption(this, QStringLiteral("Dev IP"), kAddressCaption);
  m_address = new Ipv4AddressEdit(this);
  vela::set_control_id(m_address, kAddressId);
  m_address->setGeometry(kAddressField);
  m_change_ip = make_button(this, kChangeIpId, QStringLiteral("Change  IP"), kChangeIpButton);
  connect(m_change_ip, &QPushButton::clicked, this, &ConnectionDialog::on_change_ip);

  add_caption(this, QStringLiteral("Serial Port"), kPortCaption);
  m_port_list = add_list(this, kPortListId, kPortList);
  m_port_list->view()->setTextElideMode(Qt::ElideMiddle);
  add_caption(this, QStringLiteral("Baud Rate"), kBaudCaption);
  m_baud_list = add_list(this, kBaudListId, kBaudList);
  m_connect = make_button(this, kConnectId, kConnectCaption, kConnectButton);
  connect(m_connect, &QPushButton::clicked, this, &ConnectionDialog::on_connect);

  m_status_icon = new QLabel(this);
  vela::set_control_id(m_status_icon, kStatusIconId);
  m_status_icon->setGeometry(kStatusIcon);
  m_status_icon->setAlignment(Qt::AlignCenter);
}

void ConnectionDialog::initialise() {
  vela::PageContext* main = &m_context;
  m_status_rect = m_status_icon->geometry();

  m_port_list->addItems(vela::serial_port_names(main->m_extra_serial_ports));
  m_port_list->setCurrentIndex(m_port_list->count() > 0 ? 0 : -1);

  m_baud_list->addItems(vela::baud_rate_names());
  m_baud_list->setCurrentIndex(0);

  m_mode_list->addItems(vela::connection_mode_names());
  const std::int32_t mode = main->m_link.m_eState;
  m_mode_list->setCurrentIndex(mode >= 0 && mode < m_mode_list->count() ? mode : -1);

  // Without a current device the field stays blank.
  if (const vela::DeviceEntry* device = main->m_link.current_device())
    m_address->set_address_text(QString::fromStdString(device->address_text()));

  m_connect->setEnabled(false);
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
  set_connected(false);
}

void ConnectionDialog::on_mode_selected(int index) {
  vela::LinkSession& link = m_context.m_link;
  const bool serial = index == kSerialPortIndex;
  m_connect->setEnabled(serial);
  m_port_list->setEnabled(serial);
  m_baud_list->setEnabled(serial);
  m_address->setEnabled(!serial);
  m_change_ip->setEnabled(!serial);
  if (serial) {
    link.m_eState = vela::connection_mode::kSerial;
    return;
  }
  // The serial port stays open; commands now travel over the network.
  link.m_eState = vela::connection_mode::kNetwork;
  set_connected(false);
}

void ConnectionDialog::on_connect() {
  vela::SerialPort& com = m_context.m_link.com;
  if (m_connected) {
    com.close(vela::SerialPort::kDefaultCloseWaitMs);
    emit serial_port_closed(m_port_list->currentText());
    show_port_closed();
    return;
  }
  const int baud = m_baud_list->currentText().toInt();
  const std::string port = QFile::encodeName(m_port_list->currentText()).toStdString();
  if (com.is_open()) {
    vela::diag("close the com \n");
    com.close(vela::SerialPort::kDefaultCloseWaitMs);
  }
  vela::diag(com.open(port, baud) ? "com open success \n" : "com open failed \n");
  emit serial_port_opened(m_port_list->currentText(), baud, com.is_open());
  if (!com.is_open()) return;
  m_connect->setText(kDisconnectCaption);
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
  set_connected(true);
}

void ConnectionDialog::on_change_ip() {
  vela::PageContext* main = &m_context;
  vela::LinkSession& link = main->m_link;
  if (link.m_eState != vela::connection_mode::kSerial && link.device_count == 0) return;
  main->m_set_address_payload.fill(0);
  const auto address = m_address->address();
  std::copy(address.begin(), address.end(), main->m_set_address_payload.begin());
  link.send_command(vela::code::kSetAddress, main->m_set_address_payload);
}

void ConnectionDialog::show_port_closed() {
  m_connect->setText(kConnectCaption);
  m_port_list->setEnabled(true);
  m_baud_list->setEnabled(true);
  set_connected(false);
}

void ConnectionDialog::set_connected(bool connected) {
  m_connected = connected;
  m_line_watch->watch(connected);
  const int icon = connected ? vela::shell_bitmap::status_connected : vela::shell_bitmap::status_disconnected;
  m_status_icon->setPixmap(vela::Skin::pixmap(icon, vela::shell_bitmap::status_icon_size));
  m_status_icon->setProperty("iconId", icon);
  update(m_status_rect);
}

void ConnectionDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), vela::Skin::pixmap(vela::shell_bitmap::connection_background, size()));
  vela::paint_groove(painter, kSeparatorLeft, kSeparatorRight, kNetworkBandTop);
  vela::paint_groove(painter, kSeparatorLeft, kSeparatorRight, kSerialBandTop);
}

void ConnectionDialog::keyPressEvent(QKeyEvent* event) {
  // Enter hides the dialog like Escape does; no button takes it.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ConnectionDialog::accept() { hide_dialog(); }

void ConnectionDialog::reject() { hide_dialog(); }

void ConnectionDialog::hide_dialog() {
  vela::diag(" close \n");
  hide();
}
