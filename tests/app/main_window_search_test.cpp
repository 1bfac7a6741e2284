// The main window's searches over the network and the serial line, the device
// list they fill and the note on a device outside every local network.
#include "main_window_fixture.h"

namespace vela::test {
namespace {

TEST_F(MainWindowFixture, NetworkSearchListsDevicesInAnswerOrderAndOpensTheFirstPage) {
  start({"type=0x81,id=2,name=Router,delay=400", "type=0xA1,id=1,name=Gallery", "type=0xA5,id=3,name=Mute,silent",
         "type=0x60,id=4,name=Booth,twice,delay=800"});
  QTest::mouseClick(window->findChild<SkinButton*>("id1005"), Qt::LeftButton);
  const QString r = QString::fromStdString(device_address(0));
  const QString g = QString::fromStdString(device_address(1));
  const QString b = QString::fromStdString(device_address(3));
  EXPECT_EQ(list_items(window->device_list()),
            (QStringList{"Gallery_" + g, "Router_" + r, "Booth_" + b, "Booth_" + b}));
  EXPECT_EQ(window->m_link.found_device_count(), 4);
  EXPECT_EQ(window->m_link.device_index(), 0);
  EXPECT_EQ(window->device_list()->currentIndex(), 0);
  EXPECT_EQ(page_class(*window), "MultiviewerPage");
  EXPECT_EQ(window->m_device_page->geometry(), QRect(20, 110, 1240, 580));
  EXPECT_EQ(window->m_model_window_count, 16);
  EXPECT_EQ(window->multiviewer().m_window_label[0], u"CAM 1") << "the page read the device's state";
  EXPECT_EQ(window->m_link.udp_link().m_command_socket_fd, -1) << "the search closes its socket";
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
  EXPECT_EQ(window->m_link.found_device_count(), kDeviceTableSize);
  EXPECT_EQ(window->m_link.devices()[kDeviceTableSize - 1].address_text(),
            studio.device_address(static_cast<int>(kDeviceTableSize) - 1));
}

TEST_F(MainWindowFixture, SearchWithoutAnswerShowsNoDeviceFoundAndNoPage) {
  start({"type=0xA1,id=1,name=Gallery"});
  window->network_search();
  ASSERT_NE(window->m_device_page, nullptr);

  sim.reset();  // the same device, now silent
  sim = std::make_unique<SimProcess>(std::vector<std::string>{
      "--port", std::to_string(options.link.device_port), "--broadcast-listen", range.address(0), "--device",
      "type=0xA1,id=1,name=Gallery,silent,addr=" + device_address(0)});
  window->network_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"No Device Found"});
  EXPECT_EQ(window->m_device_page, nullptr);
  EXPECT_EQ(window->m_link.device_index(), -1);
  EXPECT_EQ(window->m_link.devices()[0].type, 0) << "a search that finds the list filled clears the table";
  EXPECT_EQ(diagnostics.count("Init my rect \n"), 1u);
  EXPECT_TRUE(note().isHidden()) << "no device, no network to name";

  choose_entry(0);  // choosing "No Device Found" opens nothing
  EXPECT_EQ(window->m_device_page, nullptr);
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
  return {found_device("Mixer", "127.77.0.11", 0xA5, "eth0",
                       LocalNetwork{"eth0", 0x7F4D0001, 0xFFFFFF00, 0x7F4D00FF, false, true}),
          found_device("Router", "127.31.77.13", 0x81, "eth0", std::nullopt)};
}

TEST_F(MainWindowFixture, ADeviceOutsideEveryLocalNetworkIsMarkedAndSelectingItSaysWhatToDo) {
  open_window();
  list_found(inside_and_outsider());
  QComboBox* list = window->device_list();
  EXPECT_FALSE(shows_sign(list, 0));
  EXPECT_TRUE(shows_sign(list, 1)) << "the outsider's line carries the warning sign";
  EXPECT_EQ(list->itemText(1), "Router_127.31.77.13") << "the line itself stays as it was";

  choose_entry(1);
  EXPECT_FALSE(note().isHidden());
  EXPECT_TRUE(note().warns());
  EXPECT_EQ(note().headline(), "Router at 127.31.77.13 is not on any network of this computer");
  for (const char* words :
       {"network card eth0", "cannot reach it", "address in the device's subnet", "\"Change  IP\""}) {
    EXPECT_TRUE(note().body().contains(QString::fromLatin1(words))) << words << "\n" << note().body().toStdString();
  }
  EXPECT_TRUE(list->itemData(1, Qt::ToolTipRole).toString().contains(note().body()));
  // Nothing else changes: the page opens for its type as for any device.
  EXPECT_EQ(page_class(*window), "MatrixPage");

  choose_entry(0);
  EXPECT_FALSE(note().warns());
  EXPECT_EQ(note().headline(), "Answered on network card eth0, network 127.77.0.0/24");
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
  found.insert(found.begin() + 1, found_device("Gallery MV16", "127.78.0.12", 0xA1, "eth1",
                                               LocalNetwork{"eth1", 0x7F4E0001, 0xFFFFFF00, 0x7F4E00FF, false, true}));
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
  window->m_connection_dialog->grab().save(dir + QStringLiteral("/connection_dialog_every_network.png"));
}

TEST_F(MainWindowFixture, SearchSocketThatCannotBeMadeTellsTheOperator) {
  start({"type=0xA1,id=1,name=Gallery"});
  UdpPeer holder("0.0.0.0", options.link.local_port);
  window->network_search();
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Create socket err"});
  EXPECT_EQ(diagnostics.count("create socket fail \n"), 1u);
  EXPECT_EQ(window->device_list()->count(), 0);
  EXPECT_EQ(window->m_device_page, nullptr);
}

struct SerialFixture : MainWindowFixture {
  void start_serial(const std::string& serial_device) {
    start({}, serial_device);
    window->m_link.set_connection_mode(connection_mode::kSerial);
    ASSERT_TRUE(window->m_link.serial_port().open(sim->pty_path(), 115200));
  }
};

TEST_F(SerialFixture, UnlistedSerialTypeOpensTheLm5530PageAtIdOne) {
  start_serial("type=0x77,id=9,name=Oddity,split=3:40");
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"Oddity"});
  EXPECT_EQ(window->m_link.serial_device_type(), 0x77);
  EXPECT_EQ(page_class(*window), "Lm5530Page");
  EXPECT_EQ(window->m_link.devices()[0].type, 0xA3);
  EXPECT_EQ(window->m_link.devices()[0].id, 0x01);
  EXPECT_EQ(window->m_link.device_index(), 0);
  EXPECT_GE(diagnostics.count(" only com \n"), 1u);
}

TEST_F(SerialFixture, SerialSearchOpensThePageOfTheDeviceThatAnswered) {
  start_serial("type=0xA4,id=2,name=Serial MV10");
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"Serial MV10"});
  EXPECT_EQ(page_class(*window), "MultiviewerPage");
  EXPECT_EQ(window->m_model_window_count, 10);
  EXPECT_EQ(window->m_link.devices()[0].id, 2);
}

TEST_F(SerialFixture, SilentSerialDeviceLeavesNoDeviceFoundAndTheLastRecordedPage) {
  start_serial("type=0x81,id=2,name=Router");
  window->serial_search();
  ASSERT_EQ(page_class(*window), "MatrixPage");
  window->m_link.serial_port().close();
  sim.reset();
  sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0x81,id=2,name=Router,silent"});
  ASSERT_TRUE(window->m_link.serial_port().open(sim->pty_path(), 115200));
  window->serial_search();
  EXPECT_EQ(list_items(window->device_list()), QStringList{"No Device Found"});
  EXPECT_EQ(window->m_link.device_index(), 0);
  EXPECT_EQ(page_class(*window), "MatrixPage") << "the type recorded by the last reply";
}

TEST_F(MainWindowFixture, SerialSearchWithThePortClosedAsksToOpenIt) {
  open_window();
  list_devices({0xA1});
  choose_entry(0);
  window->m_link.set_connection_mode(connection_mode::kSerial);
  window->serial_search();
  EXPECT_EQ(take_operator_messages(), std::vector<std::string>{"Please open the serial port first!"});
  EXPECT_EQ(window->device_list()->count(), 0);
  EXPECT_EQ(window->m_device_page, nullptr);
}

}  // namespace
}  // namespace vela::test
