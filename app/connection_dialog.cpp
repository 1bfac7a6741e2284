#include "connection_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "skin/shell_bitmaps.h"
#include "style_sheets.h"

#include "connection_form.h"
#include "control_id.h"
#include "diagnostics.h"
#include "drop_down_list.h"
#include "ipv4_address_edit.h"
#include "page_context.h"
#include "search_coverage_line.h"
#include "serial_connection.h"
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

// The dialog says on the console each step of a connect.
constexpr vela::ConnectDiagnostics kConnectDiagnostics{"close the com \n", "com open success \n", "com open failed \n"};

using namespace vela::connection_form;
constexpr QRect kChangeIpButton(kFieldX, 142, 120, 32);

QPushButton* make_button(QWidget* parent, int id, const QString& caption, const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  vela::set_control_id(button, id);
  button->setAutoDefault(false);
  button->setGeometry(place);
  return button;
}

static_assert(ConnectionDialog::kLanPortIndex == vela::SerialConnection::kLanPortIndex);
static_assert(ConnectionDialog::kSerialPortIndex == vela::SerialConnection::kSerialPortIndex);

}  // namespace

ConnectionDialog::ConnectionDialog(vela::PageContext& context, QWidget* parent) : QDialog(parent), m_context(context) {
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("Configure"));
  setFont(vela::skin_font(12, false));
  resize(kWidth, kHeight);
  m_connection = new vela::SerialConnection(m_context, this, kConnectDiagnostics);
  connect(m_connection, &vela::SerialConnection::port_opened, this, &ConnectionDialog::show_port_opened);
  connect(m_connection, &vela::SerialConnection::port_closed, this, &ConnectionDialog::show_port_closed);
  connect(m_connection, &vela::SerialConnection::connected_changed, this, &ConnectionDialog::show_connected);
  create_controls();
  initialise();
}

ConnectionDialog::~ConnectionDialog() { vela::diag("free the p\n"); }

void ConnectionDialog::create_controls() {
  setStyleSheet(vela::caption_label_style() + vela::drop_down_list_style() + vela::push_button_style());

  add_caption(this, QStringLiteral("Connection Mode"), kModeCaption);
  m_mode_list = add_list(this, kModeListId, kModeList);
  connect(m_mode_list, &QComboBox::activated, this, &ConnectionDialog::on_mode_selected);
  new vela::SearchCoverageLine(m_context.m_link.udp_link(), this);

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
  connect(m_connect, &QPushButton::clicked, this, [this] {
    m_connection->connect_or_disconnect(m_port_list->currentText(), m_baud_list->currentText().toInt());
  });

  m_status_icon = new QLabel(this);
  vela::set_control_id(m_status_icon, kStatusIconId);
  m_status_icon->setGeometry(kStatusIcon);
  m_status_icon->setAlignment(Qt::AlignCenter);
}

void ConnectionDialog::initialise() {
  m_status_rect = m_status_icon->geometry();
  m_connection->fill_form(m_mode_list, m_address, m_port_list, m_baud_list);

  m_connect->setEnabled(false);
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
  show_connected(false);
}

bool ConnectionDialog::connected() const { return m_connection->connected(); }

void ConnectionDialog::on_mode_selected(int index) {
  const bool serial = m_connection->choose_mode(index);
  m_connect->setEnabled(serial);
  m_port_list->setEnabled(serial);
  m_baud_list->setEnabled(serial);
  m_address->setEnabled(!serial);
  m_change_ip->setEnabled(!serial);
  // The serial port stays open; commands now travel over the network.
  if (!serial) m_connection->let_go();
}

void ConnectionDialog::on_change_ip() {
  vela::PageContext* main = &m_context;
  vela::LinkSession& link = main->m_link;
  if (link.connection_mode() != vela::connection_mode::kSerial && link.found_device_count() == 0) return;
  main->m_set_address_payload.fill(0);
  const auto address = m_address->address();
  std::copy(address.begin(), address.end(), main->m_set_address_payload.begin());
  link.send_command(vela::code::kSetAddress, main->m_set_address_payload);
}

void ConnectionDialog::show_port_opened() {
  m_connect->setText(kDisconnectCaption);
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
}

void ConnectionDialog::show_port_closed() {
  m_connect->setText(kConnectCaption);
  m_port_list->setEnabled(true);
  m_baud_list->setEnabled(true);
}

void ConnectionDialog::show_connected(bool connected) {
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
