// The status line at the foot of the main window, against the simulator:
// what it says while the link searches and waits and after each exchange,
// and what the serial port does.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "control_id.h"
#include "device_entries.h"
#include "gui_test_environment.h"
#include "loopback.h"
#include "list_clicks.h"
#include "main_window.h"
#include "matrix/matrix_connection_tab.h"
#include "matrix/matrix_page.h"
#include "multiviewer_exchanges.h"
#include "reply_window.h"
#include "shade_button.h"
#include "skin_button.h"
#include "connection_dialog.h"
#include "sim_process.h"
#include "status_line.h"

namespace vela::test {
namespace {

constexpr int kModeList = 1103;
constexpr int kPortList = 1014;
constexpr int kBaudList = 1015;
constexpr int kConnect = 1011;

// What the status line said when each window opened; made after the window,
// so it hears each window after the status line did.
struct OpeningTexts : ReplyWindowListener {
  explicit OpeningTexts(const StatusLine* line) : line_(line) {}
  void window_opened(const ReplyWindow&) override { said.push_back(line_->shown_text()); }
  std::vector<QString> said;

 private:
  const StatusLine* line_;
};

struct LinkStatusTest : ::testing::Test {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  PanelOptions options;
  std::unique_ptr<MainWindow> window;

  void SetUp() override { take_operator_messages(); }

  void start(const std::vector<std::string>& devices, const std::string& serial_device = "") {
    const std::uint16_t device_port = free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args = {"--port", std::to_string(device_port), "--broadcast-listen", range.address(0)};
    for (std::size_t i = 0; i < devices.size(); ++i) {
      args.insert(args.end(), {"--device", devices[i] + ",addr=" + range.address(static_cast<int>(i) + 1)});
    }
    if (!serial_device.empty()) args.insert(args.end(), {"--serial", serial_device});
    sim = std::make_unique<SimProcess>(args);
    options.link.device_port = device_port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    options.extra_serial_ports = {QString::fromStdString(sim->pty_path())};
    window = std::make_unique<MainWindow>(options);
    window->initialise();
  }

  QString status() const { return window->status_line()->shown_text(); }

  // The connection dialog opens the simulator's terminal at 115200.
  void open_serial_port_in_the_dialog() {
    window->show_configure();
    ConnectionDialog* dialog = window->m_connection_dialog;
    auto* modes = find_control<QComboBox>(dialog, kModeList);
    auto* ports = find_control<QComboBox>(dialog, kPortList);
    auto* bauds = find_control<QComboBox>(dialog, kBaudList);
    auto* connect = find_control<QPushButton>(dialog, kConnect);
    ASSERT_TRUE(modes && ports && bauds && connect);
    QTest::keyClick(modes, Qt::Key_Down);
    ASSERT_EQ(modes->currentIndex(), ConnectionDialog::kSerialPortIndex);
    ports->setCurrentIndex(ports->findText(QString::fromStdString(sim->pty_path())));
    bauds->setCurrentIndex(bauds->findText("115200"));
    ASSERT_EQ(bauds->currentText(), "115200");
    QTest::mouseClick(connect, Qt::LeftButton);
  }
  // The page of a matrix on the network, with the simulator's terminal
  // offered on its connection tab.
  MatrixConnectionTab* open_matrix_connection_tab() {
    list_found_devices(window->m_link, {device_entry(device_type::kMatrix, 1, range.address(1))});
    window->device_list()->addItem(QStringLiteral("matrix"));
    window->on_device_list_choice(0);
    auto* page = qobject_cast<MatrixPage*>(window->m_device_page);
    if (page == nullptr) return nullptr;
    QTest::mouseClick(page->tab_button(MatrixPage::kSettingTab), Qt::LeftButton);
    return qobject_cast<MatrixConnectionTab*>(page->sub_page());
  }

  QStringList recent() const {
    QStringList texts;
    for (const auto& text : window->status_line()->text().recent()) texts << QString::fromStdString(text);
    return texts;
  }
};

TEST_F(LinkStatusTest, ASearchSaysItSearchesThenHowManyItFoundThenTheFirstDevicesRead) {
  start({"type=0xA1,id=1,name=Gallery MV16", "type=0x81,id=2,name=Router 8x8", "type=0xA3,id=3,name=Stage"});
  OpeningTexts opening(window->status_line());
  const ReplyWindowListening listening(opening);
  window->on_scan();
  ASSERT_FALSE(opening.said.empty());
  EXPECT_EQ(opening.said[0], QStringLiteral("Searching\u2026"));
  // The first device's page reads its state as it opens, after the search.
  const QStringList texts = recent();
  ASSERT_GE(texts.size(), 2);
  EXPECT_EQ(texts[texts.size() - 2], "3 devices found");
  EXPECT_TRUE(QRegularExpression("^Gallery MV16: state read in \\d+ ms$").match(status()).hasMatch())
      << status().toStdString();
  ASSERT_GE(opening.said.size(), 2u);
  EXPECT_EQ(opening.said[1], QStringLiteral("Gallery MV16: state read\u2026"));
}

TEST_F(LinkStatusTest, UnansweredPollsAreCountedInARowUntilAnAnswerComes) {
  start({"type=0xA1,id=1,name=Gallery MV16"});
  window->on_scan();
  ASSERT_TRUE(status().startsWith("Gallery MV16: state read in")) << status().toStdString();

  sim->control("silent Gallery MV16 on");
  const char* const expected[] = {"Gallery MV16: no answer to the status poll",
                                  "Gallery MV16: no answer to the status poll (2 in a row)",
                                  "Gallery MV16: no answer to the status poll (3 in a row)"};
  for (const char* text : expected) {
    multiviewer_exchanges::poll_status(window->m_link, window->multiviewer(), window->record_changes());
    EXPECT_EQ(status(), text);
  }
  sim->control("silent Gallery MV16 off");
  multiviewer_exchanges::poll_status(window->m_link, window->multiviewer(), window->record_changes());
  EXPECT_TRUE(QRegularExpression("^Gallery MV16: status poll in \\d+ ms$").match(status()).hasMatch())
      << status().toStdString();
  sim->control("silent Gallery MV16 on");
  multiviewer_exchanges::poll_status(window->m_link, window->multiviewer(), window->record_changes());
  EXPECT_EQ(status(), "Gallery MV16: no answer to the status poll") << "an answer ends the run";
}

TEST_F(LinkStatusTest, TheSerialPortOpenedAndClosedInTheConnectionDialog) {
  start({}, "type=0xA3,id=1,name=Lm");
  open_serial_port_in_the_dialog();
  ConnectionDialog* dialog = window->m_connection_dialog;
  auto* connect = find_control<QPushButton>(dialog, kConnect);
  EXPECT_EQ(status(), QString("Serial %1 at 115200 open").arg(QString::fromStdString(sim->pty_path())));
  QTest::mouseClick(connect, Qt::LeftButton);
  EXPECT_EQ(status(), QString("Serial %1 closed").arg(QString::fromStdString(sim->pty_path())));
  // A search over the closed port says so beside the operator's message.
  window->on_scan();
  EXPECT_EQ(status(), "The serial port is not open");
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Please open the serial port first!"});
}

TEST_F(LinkStatusTest, ASerialLineThatGoesAwayIsSaidLostWhileTheWindowIdles) {
  start({}, "type=0xA3,id=1,name=Lm");
  open_serial_port_in_the_dialog();
  sim->control("line Lm cut");
  const QString lost = QString("Serial %1 lost: the line went away, the port is closed")
                           .arg(QString::fromStdString(sim->pty_path()));
  EXPECT_TRUE(QTest::qWaitFor([&] { return status() == lost; }, 5000)) << status().toStdString();
  EXPECT_EQ(window->status_line()->text().tone(), StatusTone::Trouble);
  EXPECT_FALSE(window->m_link.serial_port().is_open());
}

// The port tells the status line itself, so a port opened on the matrix's
// connection tab shows there as one opened in the connection dialog does.
TEST_F(LinkStatusTest, TheSerialPortOpenedOnTheMatrixConnectionTabAndItsLineLost) {
  start({"type=0x81,id=1,name=Router"}, "type=0xA3,id=2,name=Lm");
  MatrixConnectionTab* tab = open_matrix_connection_tab();
  ASSERT_NE(tab, nullptr);
  const QString pty = QString::fromStdString(sim->pty_path());
  ASSERT_TRUE(click_list_item(tab->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  ASSERT_TRUE(click_list_item(tab->port_list(), tab->port_list()->findText(pty)));
  ASSERT_TRUE(click_list_item(tab->baud_list(), tab->baud_list()->findText("57600")));
  QTest::mouseClick(tab->connect_button(), Qt::LeftButton);
  ASSERT_TRUE(tab->connected());
  EXPECT_EQ(status(), QString("Serial %1 at 57600 open").arg(pty));

  sim->control("line Lm cut");
  const QString lost = QString("Serial %1 lost: the line went away, the port is closed").arg(pty);
  EXPECT_TRUE(QTest::qWaitFor([&] { return status() == lost; }, 5000)) << status().toStdString();
  EXPECT_EQ(window->status_line()->text().tone(), StatusTone::Trouble);
  EXPECT_TRUE(QTest::qWaitFor([tab] { return !tab->connected(); }, 5000));
  EXPECT_EQ(status(), lost) << "the tab's release of the lost line adds nothing";
}

// Opening and closing on the tab, and a port that cannot be opened there.
TEST_F(LinkStatusTest, TheSerialPortOpenedClosedAndRefusedOnTheMatrixConnectionTab) {
  start({"type=0x81,id=1,name=Router"}, "type=0xA3,id=2,name=Lm");
  const QString missing = QStringLiteral("/nonexistent/ttyVELA");
  window->m_extra_serial_ports << missing;
  MatrixConnectionTab* tab = open_matrix_connection_tab();
  ASSERT_NE(tab, nullptr);
  const QString pty = QString::fromStdString(sim->pty_path());
  ASSERT_TRUE(click_list_item(tab->mode_list(), MatrixConnectionTab::kSerialPortIndex));
  ASSERT_TRUE(click_list_item(tab->port_list(), tab->port_list()->findText(pty)));
  QTest::mouseClick(tab->connect_button(), Qt::LeftButton);
  EXPECT_EQ(status(), QString("Serial %1 at 9600 open").arg(pty));
  QTest::mouseClick(tab->connect_button(), Qt::LeftButton);
  EXPECT_EQ(status(), QString("Serial %1 closed").arg(pty));

  ASSERT_TRUE(click_list_item(tab->port_list(), tab->port_list()->findText(missing)));
  QTest::mouseClick(tab->connect_button(), Qt::LeftButton);
  EXPECT_EQ(status(), QString("Serial %1 could not be opened").arg(missing));
}

}  // namespace
}  // namespace vela::test
