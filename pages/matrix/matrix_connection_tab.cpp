#include "matrix/matrix_connection_tab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "connection_form.h"
#include "control_id.h"
#include "ipv4_address_edit.h"
#include "matrix/matrix_bitmaps.h"
#include "page_context.h"
#include "serial_connection.h"
#include "shade_button.h"
#include "skin.h"
#include "skin_style.h"
#include "skin_text.h"

namespace {

namespace bitmap = vela::matrix_bitmap;

constexpr int kGroupBoxId = 1201;
constexpr int kModeListId = 1102;
constexpr int kAddressId = 1036;
constexpr int kPortListId = 1014;
constexpr int kBaudListId = 1098;
constexpr int kConnectId = 1032;
constexpr int kStatusIconId = 1099;

const QString kConnectCaption = QStringLiteral("Connect");
const QString kDisconnectCaption = QStringLiteral("Disconnect");
// After a close the caption is spelled "Conect"; operators know it so.
const QString kReconnectCaption = QStringLiteral("Conect");

using namespace vela::connection_form;

// Without the dialog's Change IP button below it, the address row sits in
// the middle of its band.
constexpr QPoint kAddressRowShift(0, 21);

// The shading runs from the key's shine through its face into its rim, so
// the button reads as one of the skin's keys.
void give_key_palette(ShadeButton* button) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::Light, vela::style::face_shine);
  palette.setColor(QPalette::Midlight, vela::style::face_top);
  palette.setColor(QPalette::Button, vela::style::face_top);
  palette.setColor(QPalette::Dark, vela::style::face_rim);
  palette.setColor(QPalette::Shadow, vela::style::face_rim);
  palette.setColor(QPalette::ButtonText, vela::style::caption);
  button->setPalette(palette);
  button->set_default_colours();
  button->set_colour(SkinButton::colour_fg_in, vela::style::accent);
}

static_assert(MatrixConnectionTab::kLanPortIndex == vela::SerialConnection::kLanPortIndex);
static_assert(MatrixConnectionTab::kSerialPortIndex == vela::SerialConnection::kSerialPortIndex);

}  // namespace

MatrixConnectionTab::MatrixConnectionTab(vela::PageContext& context, QWidget* parent)
    : MatrixSubPageBase(context, parent, kTemplateId, bitmap::setting_background, kGroupBoxId) {
  set_separator_lines({QLine(kSeparatorLeft, kNetworkBandTop, kSeparatorRight, kNetworkBandTop),
                       QLine(kSeparatorLeft, kSerialBandTop, kSeparatorRight, kSerialBandTop)});
  // The tab connects quietly: no console line for its steps.
  m_connection = new vela::SerialConnection(m_context, this);
  connect(m_connection, &vela::SerialConnection::port_opened, this, &MatrixConnectionTab::show_port_opened);
  connect(m_connection, &vela::SerialConnection::port_closed, this, &MatrixConnectionTab::show_port_closed);
  connect(m_connection, &vela::SerialConnection::connected_changed, this, &MatrixConnectionTab::show_connected);
  create_controls();
  initialise();
}

void MatrixConnectionTab::create_controls() {
  add_caption(this, QStringLiteral("Connection Mode"), kModeCaption);
  m_mode_list = add_list(this, kModeListId, kModeList);
  // Only the operator's pick changes the mode; filling the list does not.
  connect(m_mode_list, &QComboBox::activated, this, &MatrixConnectionTab::on_mode_selected);

  add_caption(this, QStringLiteral("Current IP"), kAddressCaption.translated(kAddressRowShift));
  m_address = new Ipv4AddressEdit(this);
  vela::set_control_id(m_address, kAddressId);
  m_address->setGeometry(kAddressField.translated(kAddressRowShift));

  add_caption(this, QStringLiteral("Serial Port"), kPortCaption);
  m_port_list = add_list(this, kPortListId, kPortList);
  m_port_list->view()->setTextElideMode(Qt::ElideMiddle);
  add_caption(this, QStringLiteral("Baud Rate"), kBaudCaption);
  m_baud_list = add_list(this, kBaudListId, kBaudList);

  m_connect = new ShadeButton(this);
  vela::set_control_id(m_connect, kConnectId);
  m_connect->setText(kConnectCaption);
  m_connect->setGeometry(kConnectButton);
  m_connect->setFont(vela::skin_font(13));
  give_key_palette(m_connect);
  connect(m_connect, &QPushButton::clicked, this, [this] {
    m_connection->connect_or_disconnect(m_port_list->currentText(), m_baud_list->currentText().toInt());
  });

  m_status_icon = new QLabel(this);
  vela::set_control_id(m_status_icon, kStatusIconId);
  m_status_icon->setGeometry(kStatusIcon);
  m_status_icon->setAlignment(Qt::AlignCenter);

  for (const QString& unused : {QStringLiteral("Net Work"), QStringLiteral("Com")}) {
    auto* radio = new QRadioButton(unused, this);
    radio->hide();
  }
}

void MatrixConnectionTab::initialise() {
  m_connection->fill_form(m_mode_list, m_address, m_port_list, m_baud_list);
  m_status_rect = m_status_icon->geometry();
  m_connect->set_shade();
  show_connected(false);

  // The serial controls follow the mode only once the operator picks one.
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
  m_connect->setEnabled(false);
  m_address->setEnabled(true);
}

bool MatrixConnectionTab::connected() const { return m_connection->connected(); }

void MatrixConnectionTab::on_mode_selected(int index) {
  const bool serial = m_connection->choose_mode(index);
  // The port stays as it is either way.
  m_port_list->setEnabled(serial);
  m_baud_list->setEnabled(serial);
  m_connect->setEnabled(serial);
  m_address->setEnabled(!serial);
}

void MatrixConnectionTab::show_port_opened() {
  m_port_list->setEnabled(false);
  m_baud_list->setEnabled(false);
  m_connect->setText(kDisconnectCaption);
}

void MatrixConnectionTab::show_port_closed() {
  m_port_list->setEnabled(true);
  m_baud_list->setEnabled(true);
  m_connect->setText(kReconnectCaption);
}

void MatrixConnectionTab::show_connected(bool connected) {
  const int icon = connected ? bitmap::status_connected : bitmap::status_disconnected;
  m_status_icon->setPixmap(vela::Skin::pixmap(icon, bitmap::status_icon_size));
  m_status_icon->setProperty("iconId", icon);
  update(m_status_rect);
}
