// The matrix's SETTING sub-page: the connection mode it writes and the
// serial port it opens and closes, against the simulator's serial line.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QComboBox>
#include <QLabel>

#include "ipv4_address_edit.h"
#include "list_clicks.h"
#include "matrix_fixture.h"
#include "shade_button.h"

namespace vela::test {
namespace {

struct MatrixSetting : MatrixPageFixture {
  void SetUp() override {
    start({"--serial", "type=0x81,id=1,name=Serial Matrix"});
    context->m_extra_serial_ports << QString::fromStdString(sim->pty_path()) << QStringLiteral("/nonexistent/ttyVELA");
  }

  MatrixConnectionTab* open_setting() {
    open_page();
    choose_tab(MatrixPage::kSettingTab);
    return setting_page();
  }

  void choose_port(MatrixConnectionTab* setting, const QString& path) {
    const int item = setting->port_list()->findText(path);
    ASSERT_GE(item, 0) << path.toStdString();
    ASSERT_TRUE(click_list_item(setting->port_list(), item));
  }

  int icon(MatrixConnectionTab* setting) const { return setting->status_icon()->property("iconId").toInt(); }
};

TEST_F(MatrixSetting, OpeningFillsTheListsAndLeavesTheSerialControlsOffInEitherMode) {
  for (const std::int32_t mode : {connection_mode::kNetwork, connection_mode::kSerial}) {
    SCOPED_TRACE(mode);
    context->m_link.set_connection_mode(mode);
    MatrixConnectionTab* setting = open_setting();
    ASSERT_NE(setting, nullptr);
    EXPECT_EQ(setting->geometry(), QRect(750, 105, 490, 420));
    EXPECT_EQ(page->tab_button(2)->shown_bitmap_id(), matrix_bitmap::setting_tab_active);
    EXPECT_EQ(page->tab_button(1)->shown_bitmap_id(), matrix_bitmap::control_tab);
    EXPECT_EQ(setting->mode_list()->currentIndex(), mode);
    EXPECT_EQ(setting->mode_list()->itemText(0), "LAN Port");
    EXPECT_EQ(setting->mode_list()->itemText(1), "Serial Port");
    EXPECT_EQ(setting->address_field()->text(), QString::fromStdString(device_address()));
    const QComboBox* ports = setting->port_list();
    ASSERT_GE(ports->findText(QString::fromStdString(sim->pty_path())), 0) << "the --serial-port paths are offered";
    EXPECT_EQ(ports->currentIndex(), 0);
    for (int i = 1; i < ports->count(); ++i) EXPECT_LT(ports->itemText(i - 1), ports->itemText(i)) << "sorted as text";
    QStringList rates;
    for (int i = 0; i < setting->baud_list()->count(); ++i) rates << setting->baud_list()->itemText(i);
    EXPECT_EQ(rates, QStringList({"9600", "19200", "38400", "57600", "115200"}));
    EXPECT_EQ(setting->baud_list()->currentText(), "9600");
    EXPECT_FALSE(setting->port_list()->isEnabled());
    EXPECT_FALSE(setting->baud_list()->isEnabled());
    EXPECT_FALSE(setting->connect_button()->isEnabled());
    EXPECT_TRUE(setting->address_field()->isEnabled());
    EXPECT_EQ(setting->connect_button()->text(), "Connect");
    EXPECT_TRUE(setting->connect_button()->has_shade());
    EXPECT_EQ(icon(setting), matrix_bitmap::status_disconnected);
    EXPECT_EQ(context->m_link.connection_mode(), mode) << "opening changes no mode";
  }
}

TEST_F(MatrixSetting, TheModeListSetsTheConnectionModeAndLeavesThePortAsItIs) {
  MatrixConnectionTab* setting = open_setting();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  EXPECT_EQ(context->m_link.connection_mode(), connection_mode::kSerial);
  EXPECT_TRUE(setting->port_list()->isEnabled());
  EXPECT_TRUE(setting->baud_list()->isEnabled());
  EXPECT_TRUE(setting->connect_button()->isEnabled());
  EXPECT_FALSE(setting->address_field()->isEnabled());

  choose_port(setting, QString::fromStdString(sim->pty_path()));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  ASSERT_TRUE(context->m_link.serial_port().is_open());

  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kLanPortIndex));
  EXPECT_EQ(context->m_link.connection_mode(), connection_mode::kNetwork);
  EXPECT_TRUE(context->m_link.serial_port().is_open()) << "the mode list neither opens nor closes the port";
  EXPECT_TRUE(setting->connected());
  EXPECT_FALSE(setting->connect_button()->isEnabled());
  EXPECT_TRUE(setting->address_field()->isEnabled());
}

TEST_F(MatrixSetting, ConnectAndDisconnectOpenAndCloseThePortWithTheChosenRate) {
  MatrixConnectionTab* setting = open_setting();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  choose_port(setting, QString::fromStdString(sim->pty_path()));
  ASSERT_TRUE(click_list_item(setting->baud_list(), 4));
  ShadeButton* connect = setting->connect_button();

  QStringList captions{connect->text()};
  QTest::mouseClick(connect, Qt::LeftButton);
  ASSERT_TRUE(context->m_link.serial_port().is_open());
  captions << connect->text();
  EXPECT_EQ(icon(setting), matrix_bitmap::status_connected);
  EXPECT_FALSE(setting->port_list()->isEnabled());
  EXPECT_FALSE(setting->baud_list()->isEnabled());
  {
    // The line settings belong to the terminal, whoever opened it.
    const int fd = ::open(sim->pty_path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios line{};
    ASSERT_EQ(tcgetattr(fd, &line), 0);
    EXPECT_EQ(cfgetospeed(&line), B115200);
    ::close(fd);
  }

  QTest::mouseClick(connect, Qt::LeftButton);
  EXPECT_FALSE(context->m_link.serial_port().is_open());
  captions << connect->text();
  EXPECT_EQ(icon(setting), matrix_bitmap::status_disconnected);
  EXPECT_TRUE(setting->port_list()->isEnabled());
  EXPECT_TRUE(setting->baud_list()->isEnabled());

  QTest::mouseClick(connect, Qt::LeftButton);
  EXPECT_TRUE(context->m_link.serial_port().is_open());
  captions << connect->text();
  EXPECT_EQ(captions, QStringList({"Connect", "Disconnect", "Conect", "Disconnect"}));
}

TEST_F(MatrixSetting, BackOnTheTabWithThePortOpenAFailedConnectLeavesItClosedAndTheTabUnchanged) {
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 9600));
  MatrixConnectionTab* setting = open_setting();
  EXPECT_FALSE(setting->connected()) << "the flag belongs to one visit";
  EXPECT_EQ(setting->connect_button()->text(), "Connect");
  EXPECT_EQ(icon(setting), matrix_bitmap::status_disconnected);

  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  choose_port(setting, QStringLiteral("/nonexistent/ttyVELA"));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  EXPECT_FALSE(context->m_link.serial_port().is_open()) << "closed before the failed open";
  EXPECT_FALSE(setting->connected());
  EXPECT_EQ(setting->connect_button()->text(), "Connect");
  EXPECT_EQ(icon(setting), matrix_bitmap::status_disconnected);
  EXPECT_TRUE(setting->port_list()->isEnabled());
  EXPECT_TRUE(take_operator_messages().empty());
}

TEST_F(MatrixSetting, ALineThatGoesAwayIsShownClosedAndFreesThePort) {
  MatrixConnectionTab* setting = open_setting();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  choose_port(setting, QString::fromStdString(sim->pty_path()));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  ASSERT_TRUE(setting->connected());

  sim->control("line Serial Matrix cut");
  EXPECT_TRUE(QTest::qWaitFor([setting] { return !setting->connected(); }, 5000));
  EXPECT_EQ(icon(setting), matrix_bitmap::status_disconnected);
  EXPECT_EQ(setting->connect_button()->text(), "Conect");
  EXPECT_TRUE(setting->port_list()->isEnabled());
  EXPECT_TRUE(setting->baud_list()->isEnabled());
  EXPECT_FALSE(context->m_link.serial_port().is_open());
  EXPECT_FALSE(context->m_link.serial_port().line_lost()) << "the lost line's descriptor was released";
}

TEST_F(MatrixSetting, TextsFollowTheModeChosenHere) {
  MatrixConnectionTab* setting = open_setting();
  ASSERT_TRUE(click_list_item(setting->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  choose_port(setting, QString::fromStdString(sim->pty_path()));
  QTest::mouseClick(setting->connect_button(), Qt::LeftButton);
  ASSERT_TRUE(context->m_link.serial_port().is_open());
  // Leaving the tab leaves the port open.
  choose_tab(MatrixPage::kControlTab);
  ASSERT_TRUE(context->m_link.serial_port().is_open());
  press_input(2);
  press(Action::kOneToAll);
  const auto logged = wait_for_texts(1);
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0].text, "2All.");
  EXPECT_EQ(logged[0].carrier, "serial");
}

}  // namespace
}  // namespace vela::test
