// The main window with real widgets and the simulator as the peer.
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
namespace {

QStringList list_items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

// Whether a list line's icon shows anything (a blank one keeps the column).
bool shows_sign(const QComboBox* list, int index) {
  const QImage image = list->itemIcon(index).pixmap(16).toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) return true;
  return false;
}

QString page_class(const MainWindow& window) {
  return window.m_p_mian_show_dlg ? window.m_p_mian_show_dlg->class_name() : QString();
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
    for (std::size_t i = 0; i < types.size(); ++i) {
      window->m_link.device_table[i].type = types[i];
      window->m_link.device_table[i].id = static_cast<std::uint8_t>(i + 1);
      window->m_link.device_table[i].set_address(device_address(static_cast<int>(i)));
      window->device_list()->addItem(QStringLiteral("device %1").arg(i));
    }
    window->m_link.device_count = static_cast<std::uint8_t>(types.size());
  }

  // Lists devices as the network search does, with the networks they
  // answered on. The table points at this test's loopback addresses whatever
  // the lines say: pages that read their device send as they open.
  void list_found(const std::vector<DiscoveredDevice>& found) {
    for (std::size_t i = 0; i < found.size(); ++i) {
      window->m_link.device_table[i] = found[i].entry;
      window->m_link.device_table[i].set_address(device_address(static_cast<int>(i)));
      window->device_list()->addItem(QString::fromStdString(found[i].list_text()));
      describe_device_network(window->device_list(), static_cast<int>(i), found[i]);
    }
    window->m_link.device_count = static_cast<std::uint8_t>(found.size());
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

TEST_F(MainWindowFixture, NetworkSearchListsDevicesInAnswerOrderAndOpensTheFirstPage) {
  start({"type=0x81,id=2,name=Router,delay=400", "type=0xA1,id=1,name=Gallery", "type=0xA5,id=3,name=Mute,silent",
         "type=0x60,id=4,name=Booth,twice,delay=800"});
  QTest::mouseClick(window->findChild<SkinButton*>("id1005"), Qt::LeftButton);
  const QString r = QString::fromStdString(device_address(0));
  const QString g = QString::fromStdString(device_address(1));
  const QString b = QString::fromStdString(device_address(3));
  EXPECT_EQ(list_items(window->device_list()),
            (QStringList{"Gallery_" + g, "Router_" + r, "Booth_" + b, "Booth_" + b}));
  EXPECT_EQ(window->m_link.device_count, 4);
  EXPECT_EQ(window->m_link.m_device_index, 0);
  EXPECT_EQ(window->device_list()->currentIndex(), 0);
  EXPECT_EQ(page_class(*window), "MultiviewerPage");
  EXPECT_EQ(window->m_p_mian_show_dlg->geometry(), QRect(20, 110, 1240, 580));
  EXPECT_EQ(window->m_model_window_count, 16);
  EXPECT_EQ(window->multiviewer().m_window_label[0], u"CAM 1") << "the page read the device's state";
  EXPECT_EQ(window->m_link.udp.m_udpSockfd, -1) << "the search closes its socket";
  EXPECT_EQ(diagnostics.count("search  over \n"), 1u);
  // The card and subnet that answered, in the top bar and on each line.
  EXPECT_FALSE(note().isHidden());
  EXPECT_FALSE(note().warns());
  EXPECT_EQ(note().headline(), "Answered on network card lo, network 127.0.0.0/8");
  EXPECT_EQ(window->device_list()->itemData(2, Qt::ToolTipRole).toString(), note().headline());
  EXPECT_FALSE(shows_sign(window->device_list(), 2));
}

TEST_F(MainWindowFixture, AFullTableOfDevicesAnsweringInOneBurstIsListedWhole) {
  const LoopbackStudio studio(static_cast<int>(kDeviceTableSize));
  sim = std::make_unique<SimProcess>(studio.simulator_args());
  options.link.device_port = studio.device_port();
  options.link.broadcast = studio.listen_address();
  open_window();
  QTest::mouseClick(window->findChild<SkinButton*>("id1005"), Qt::LeftButton);
  QStringList expected;
  for (const std::string& text : studio.list_texts()) expected << QString::fromStdString(text);
  EXPECT_EQ(list_items(window->device_list()), expected);
  EXPECT_EQ(window->m_link.device_count, kDeviceTableSize);
  EXPECT_EQ(window->m_link.device_table[kDeviceTableSize - 1].address_text(),
            studio.device_address(static_cast<int>(kDeviceTableSize) - 1));
}

TEST_F(MainWindowFixture, SearchWithoutAnswerShowsNoDeviceFoundAndNoPage) {
  start({"type=0xA1,id=1,name=Gallery"});
  window->network_search();
  ASSERT_NE(window->m_p_mian_show_dlg, nullptr);

  sim.reset();  // the same device, now silent
  sim = std::make_unique<SimProcess>(std::vector<std::string>{
      "--port", std::to_string(options.link.device_port), "--broadcast-listen", range.address(0), "--device",
      "type=0xA1,id=1,name=Gallery,silent,addr=" + device_address(0)});
  window->network_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"No Device Found"});
  EXPECT_EQ(window->m_p_mian_show_dlg, nullptr);
  EXPECT_EQ(window->m_link.m_device_index, -1);
  EXPECT_EQ(window->m_link.device_table[0].type, 0) << "a search that finds the list filled clears the table";
  EXPECT_EQ(diagnostics.count("Init my rect \n"), 1u);
  EXPECT_TRUE(note().isHidden()) << "no device, no network to name";

  choose_entry(0);  // choosing "No Device Found" opens nothing
  EXPECT_EQ(window->m_p_mian_show_dlg, nullptr);
}

// Two devices as a search on a control-room computer would list them: one on
// the card's subnet, one still at an address of some other subnet.
DiscoveredDevice found_device(const char* name, const char* address, std::uint8_t type, const char* card,
                              std::optional<LocalNetwork> network) {
  DiscoveredDevice device;
  device.entry.set_address(address);
  device.entry.type = type;
  device.entry.id = 1;
  device.name = name;
  device.interface_name = card;
  device.network = network;
  device.outside_local_networks = !network;
  return device;
}

std::vector<DiscoveredDevice> inside_and_outsider() {
  return {found_device("Mixer", "10.77.0.11", 0xA5, "eth0",
                       LocalNetwork{"eth0", 0x0A4D0001, 0xFFFFFF00, 0x0A4D00FF, false, true}),
          found_device("Router", "172.31.77.13", 0x81, "eth0", std::nullopt)};
}

TEST_F(MainWindowFixture, ADeviceOutsideEveryLocalNetworkIsMarkedAndSelectingItSaysWhatToDo) {
  open_window();
  list_found(inside_and_outsider());
  QComboBox* list = window->device_list();
  EXPECT_FALSE(shows_sign(list, 0));
  EXPECT_TRUE(shows_sign(list, 1)) << "the outsider's line carries the warning sign";
  EXPECT_EQ(list->itemText(1), "Router_172.31.77.13") << "the line itself stays as it was";

  choose_entry(1);
  EXPECT_FALSE(note().isHidden());
  EXPECT_TRUE(note().warns());
  EXPECT_EQ(note().headline(), "Router at 172.31.77.13 is not on any network of this computer");
  for (const char* words :
       {"network card eth0", "cannot reach it", "address in the device's subnet", "\"Change  IP\""}) {
    EXPECT_TRUE(note().body().contains(QString::fromLatin1(words))) << words << "\n" << note().body().toStdString();
  }
  EXPECT_TRUE(list->itemData(1, Qt::ToolTipRole).toString().contains(note().body()));
  // Nothing else changes: the page opens for its type as for any device.
  EXPECT_EQ(page_class(*window), "MatrixPage");

  choose_entry(0);
  EXPECT_FALSE(note().warns());
  EXPECT_EQ(note().headline(), "Answered on network card eth0, network 10.77.0.0/24");
}

// Every search describes its devices anew; the signs are the same pictures
// each time, so Qt's pixmap cache, which keeps every icon picture painted,
// holds each sign once however often the studio is searched.
TEST_F(MainWindowFixture, SearchesOneAfterAnotherMarkTheirLinesWithTheSamePictures) {
  open_window();
  const auto sign_key = [this](int index) { return window->device_list()->itemIcon(index).pixmap(16).cacheKey(); };
  list_found(inside_and_outsider());
  const qint64 blank = sign_key(0);
  const qint64 warning = sign_key(1);
  EXPECT_NE(blank, warning);
  list_found(inside_and_outsider());
  EXPECT_EQ(sign_key(0), blank);
  EXPECT_EQ(sign_key(1), warning);
}

// $VELA_RENDER_DIR for a person to look at; skipped when it is not set.
TEST_F(MainWindowFixture, RenderOutsiderMarkedInTheDeviceList) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  options.link.search_every_network = true;  // only read here: nothing is sent
  open_window();
  std::vector<DiscoveredDevice> found = inside_and_outsider();
  found.insert(found.begin() + 1, found_device("Gallery MV16", "10.78.0.12", 0xA1, "eth1",
                                               LocalNetwork{"eth1", 0x0A4E0001, 0xFFFFFF00, 0x0A4E00FF, false, true}));
  list_found(found);
  window->show();
  choose_entry(2);
  ASSERT_TRUE(note().warns());
  window->grab().save(dir + QStringLiteral("/main_window_outsider_selected.png"));
  choose_entry(1);
  window->grab().save(dir + QStringLiteral("/main_window_second_network.png"));
  window->device_list()->showPopup();
  window->device_list()->view()->window()->grab().save(dir + QStringLiteral("/device_list_outsider_marked.png"));
  window->device_list()->hidePopup();
  window->show_configure();
  window->m_pSetConfigure->grab().save(dir + QStringLiteral("/connection_dialog_every_network.png"));
}

TEST_F(MainWindowFixture, SearchSocketThatCannotBeMadeTellsTheOperator) {
  start({"type=0xA1,id=1,name=Gallery"});
  UdpPeer holder("0.0.0.0", options.link.local_port);
  window->network_search();
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Create socket err"});
  EXPECT_EQ(diagnostics.count("create socket fail \n"), 1u);
  EXPECT_EQ(window->device_list()->count(), 0);
  EXPECT_EQ(window->m_p_mian_show_dlg, nullptr);
}

TEST_F(MainWindowFixture, ChoosingTheCurrentEntryAgainMakesANewPage) {
  open_window();
  list_devices({0xA5, 0x81});
  choose_entry(0);
  ASSERT_EQ(page_class(*window), "SwitcherPage");
  const quint64 first = window->m_p_mian_show_dlg->instance_number();
  choose_entry(0);
  ASSERT_EQ(page_class(*window), "SwitcherPage");
  EXPECT_NE(window->m_p_mian_show_dlg->instance_number(), first);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->findChildren<DevicePage*>().size(), 1) << "the old page is gone once the event loop ran";
  choose_entry(1);
  EXPECT_EQ(page_class(*window), "MatrixPage");
}

// Pages come and go for hours: a moment after pages closed, the allocator's
// free memory goes back to the system, once for closings close together.
TEST_F(MainWindowFixture, ClosedPagesAreTidiedAwayOnceAMomentAfter) {
  open_window();
  list_devices({0xA5, 0x81});
  choose_entry(0);
  EXPECT_EQ(window->heap_tidy()->tidies(), 0) << "no page closed yet";
  choose_entry(1);
  choose_entry(0);
  EXPECT_EQ(window->heap_tidy()->tidies(), 0) << "not while the closed pages may still be in use";
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->heap_tidy()->tidies() > 0; }, 3 * HeapTidy::kDelayMs));
  QTest::qWait(HeapTidy::kDelayMs / 2);
  EXPECT_EQ(window->heap_tidy()->tidies(), 1);
  EXPECT_EQ(window->findChildren<DevicePage*>().size(), 1) << "the closed pages were freed before";
}

struct DispatchCase {
  std::uint8_t type;
  const char* page;
  int window_count;
  bool unlisted;
};

TEST_F(MainWindowFixture, NetworkPageDispatchAndModelWindowCount) {
  const DispatchCase cases[] = {
      {0x60, "Rk2207Page", 0, false},       {0x81, "MatrixPage", 0, false},  {0x82, "MatrixPage", 0, false},
      {0xA1, "MultiviewerPage", 16, false}, {0xA3, "Lm5530Page", 0, false},  {0xA4, "MultiviewerPage", 10, false},
      {0xA5, "SwitcherPage", 0, false},     {0x77, "SwitcherPage", 0, true}, {0x00, "SwitcherPage", 0, true},
  };
  open_window();
  std::vector<std::uint8_t> types;
  for (const auto& c : cases) types.push_back(c.type);
  list_devices(types);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    diagnostics.clear();
    window->matrix().m_matrix_btn_lock = 1;
    window->multiviewer().m_all_16_view_page_data.mode_type = 5;
    choose_entry(static_cast<int>(i));
    EXPECT_EQ(page_class(*window), cases[i].page) << std::hex << int(cases[i].type);
    EXPECT_EQ(window->m_model_window_count, cases[i].window_count) << std::hex << int(cases[i].type);
    EXPECT_EQ(diagnostics.count("the device 's type is wrong \n"), cases[i].unlisted ? 1u : 0u);
    EXPECT_EQ(window->matrix().m_matrix_btn_lock, 0) << "selection clears the button lock";
    EXPECT_EQ(window->multiviewer().m_all_16_view_page_data.mode_type, 0);
    EXPECT_EQ(window->multiviewer().m_all_16_view_page_data.umd_color_channel, 1);
  }
}

TEST_F(MainWindowFixture, UnknownConnectionModeOpensNoPage) {
  open_window();
  list_devices({0xA1});
  window->m_link.m_eState = 2;
  choose_entry(0);
  EXPECT_EQ(window->m_p_mian_show_dlg, nullptr);
  EXPECT_EQ(diagnostics.count("com data wrong \n"), 1u);
}

struct SerialFixture : MainWindowFixture {
  void start_serial(const std::string& serial_device) {
    start({}, serial_device);
    window->m_link.m_eState = connection_mode::kSerial;
    ASSERT_TRUE(window->m_link.com.open(sim->pty_path(), 115200));
  }
};

TEST_F(SerialFixture, UnlistedSerialTypeOpensTheLm5530PageAtIdOne) {
  start_serial("type=0x77,id=9,name=Oddity,split=3:40");
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"Oddity"});
  EXPECT_EQ(window->m_link.m_main_com_dev_type, 0x77);
  EXPECT_EQ(page_class(*window), "Lm5530Page");
  EXPECT_EQ(window->m_link.device_table[0].type, 0xA3);
  EXPECT_EQ(window->m_link.device_table[0].id, 0x01);
  EXPECT_EQ(window->m_link.m_device_index, 0);
  EXPECT_GE(diagnostics.count(" only com \n"), 1u);
}

TEST_F(SerialFixture, SerialSearchOpensThePageOfTheDeviceThatAnswered) {
  start_serial("type=0xA4,id=2,name=Serial MV10");
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"Serial MV10"});
  EXPECT_EQ(page_class(*window), "MultiviewerPage");
  EXPECT_EQ(window->m_model_window_count, 10);
  EXPECT_EQ(window->m_link.device_table[0].id, 2);
}

TEST_F(SerialFixture, SilentSerialDeviceLeavesNoDeviceFoundAndTheLastRecordedPage) {
  start_serial("type=0x81,id=2,name=Router");
  window->serial_search();
  ASSERT_EQ(page_class(*window), "MatrixPage");
  window->m_link.com.close();
  sim.reset();
  sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0x81,id=2,name=Router,silent"});
  ASSERT_TRUE(window->m_link.com.open(sim->pty_path(), 115200));
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"No Device Found"});
  EXPECT_EQ(window->m_link.m_device_index, 0);
  EXPECT_EQ(page_class(*window), "MatrixPage") << "the type recorded by the last reply";
}

TEST_F(MainWindowFixture, SerialSearchWithThePortClosedAsksToOpenIt) {
  open_window();
  list_devices({0xA1});
  choose_entry(0);
  window->m_link.m_eState = connection_mode::kSerial;
  window->serial_search();
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Please open the serial port first!"});
  EXPECT_EQ(window->device_list()->count(), 0);
  EXPECT_EQ(window->m_p_mian_show_dlg, nullptr);
}

TEST_F(MainWindowFixture, EnterAndEscapeCloseNothing) {
  open_window();
  list_devices({0xA1});
  choose_entry(0);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->device_list()->setFocus();
  for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QTest::keyClick(window->device_list(), static_cast<Qt::Key>(key));
    QTest::keyClick(window.get(), static_cast<Qt::Key>(key));
  }
  QTest::keyClick(window->m_p_mian_show_dlg, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->result(), 0);
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 7u);
  EXPECT_NE(window->m_p_mian_show_dlg, nullptr);
}

TEST_F(MainWindowFixture, WindowButtons) {
  open_window();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(window->windowTitle(), "vela_multiview");
  EXPECT_EQ(window->geometry().size(), QSize(1280, 720));
  auto* max = window->findChild<SkinButton*>("id1001");
  auto* close = window->findChild<SkinButton*>("id1002");
  ASSERT_NE(max, nullptr);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(max->geometry(), QRect(1200, 0, 34, 35));
  QTest::mouseClick(max, Qt::LeftButton);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->geometry().size(), QSize(1280, 720)) << "max does nothing";
  QTest::mouseClick(close, Qt::LeftButton);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(MainWindowFixture, StartUpWritesTheClientRectangleAndPlacesTheControls) {
  diagnostics.clear();
  open_window();
  const std::vector<std::string> expected = {"L = 0 \n",   "T = 0 \n",    "R = 1280 \n",
                                             "B = 720 \n", "W = 1280 \n", "H = 720 \n"};
  std::vector<std::string> rect_lines;
  for (const auto& line : diagnostics.lines()) {
    if (line.size() > 2 && line[1] == ' ' && line[2] == '=') rect_lines.push_back(line);
  }
  EXPECT_EQ(rect_lines, expected);
  EXPECT_EQ(window->m_page_area, QRect(20, 110, 1240, 580));
  EXPECT_EQ(window->multiviewer().m_window_label[15], u" ");
  const struct {
    const char* id;
    QRect place;
  } controls[] = {{"id1000", {1150, 0, 47, 35}}, {"id1005", {560, 55, 138, 50}}, {"id1006", {2, 690, 25, 30}}};
  for (const auto& c : controls) {
    auto* button = window->findChild<SkinButton*>(c.id);
    ASSERT_NE(button, nullptr) << c.id;
    EXPECT_EQ(button->geometry(), c.place) << c.id;
  }
  EXPECT_EQ(window->device_list()->objectName(), "id1007");
  EXPECT_EQ(window->device_list()->geometry().topLeft(), QPoint(80, 68));
}

TEST_F(MainWindowFixture, ReturnReachesALineEditOnAPageAndNothingCloses) {
  open_window();
  list_devices({0xA5});
  choose_entry(0);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  auto* edit = new QLineEdit(window->m_p_mian_show_dlg);
  edit->show();
  edit->setFocus();
  int returns = 0;
  QObject::connect(edit, &QLineEdit::returnPressed, [&returns] { ++returns; });
  diagnostics.clear();
  QTest::keyClicks(edit, "CAM 1");
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(returns, 1);
  EXPECT_EQ(edit->text(), "CAM 1");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 2u) << "the window swallows what the field leaves";
}

TEST_F(MainWindowFixture, APageHandlerThatReselectsIsFreedOnlyAfterItReturns) {
  open_window();
  list_devices({0xA5, 0x81});
  choose_entry(0);
  QPointer<DevicePage> first = window->m_p_mian_show_dlg;
  auto* trigger = new QPushButton(first);
  QObject::connect(trigger, &QPushButton::clicked, [this, trigger] {
    window->m_link.m_device_index = 1;
    window->select_device();
    trigger->setText("still here");  // the old page must still be alive
  });
  QTest::mouseClick(trigger, Qt::LeftButton);
  EXPECT_EQ(page_class(*window), "MatrixPage");
  ASSERT_FALSE(first.isNull());
  EXPECT_TRUE(first->isHidden());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
}

TEST_F(MainWindowFixture, TheConnectionCaptionOpensTheConnectionDialog) {
  open_window();
  auto* caption = window->findChild<QPushButton*>("connection_caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(caption->geometry().contains(QPoint(60, 705)));
  QTest::mouseClick(caption, Qt::LeftButton);
  ASSERT_NE(window->m_pSetConfigure, nullptr);
  EXPECT_TRUE(window->m_pSetConfigure->isVisible());
}

}  // namespace
}  // namespace vela::test
