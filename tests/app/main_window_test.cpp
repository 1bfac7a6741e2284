// The main window with real widgets and the simulator as the peer: which page
// a choice opens and how long it lives, keys, window buttons and start-up.
#include "main_window_fixture.h"

namespace vela::test {
namespace {

TEST_F(MainWindowFixture, ChoosingTheCurrentEntryAgainMakesANewPage) {
  open_window();
  list_devices({0xA5, 0x81});
  choose_entry(0);
  ASSERT_EQ(page_class(*window), "SwitcherPage");
  const quint64 first = window->m_device_page->instance_number();
  choose_entry(0);
  ASSERT_EQ(page_class(*window), "SwitcherPage");
  EXPECT_NE(window->m_device_page->instance_number(), first);
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
    window->matrix().m_buttons_locked = 1;
    window->multiviewer().m_settings.mode_type = 5;
    choose_entry(static_cast<int>(i));
    EXPECT_EQ(page_class(*window), cases[i].page) << std::hex << int(cases[i].type);
    EXPECT_EQ(window->m_model_window_count, cases[i].window_count) << std::hex << int(cases[i].type);
    EXPECT_EQ(diagnostics.count("the device 's type is wrong \n"), cases[i].unlisted ? 1u : 0u);
    EXPECT_EQ(window->matrix().m_buttons_locked, 0) << "selection clears the button lock";
    EXPECT_EQ(window->multiviewer().m_settings.mode_type, 0);
    EXPECT_EQ(window->multiviewer().m_settings.label_colour_channel, 1);
  }
}

TEST_F(MainWindowFixture, UnknownConnectionModeOpensNoPage) {
  open_window();
  list_devices({0xA1});
  window->m_link.set_connection_mode(2);
  choose_entry(0);
  EXPECT_EQ(window->m_device_page, nullptr);
  EXPECT_EQ(diagnostics.count("com data wrong \n"), 1u);
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
  QTest::keyClick(window->m_device_page, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->result(), 0);
  EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 7u);
  EXPECT_NE(window->m_device_page, nullptr);
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
  auto* edit = new QLineEdit(window->m_device_page);
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
  QPointer<DevicePage> first = window->m_device_page;
  auto* trigger = new QPushButton(first);
  QObject::connect(trigger, &QPushButton::clicked, [this, trigger] {
    window->m_link.choose_device(1);
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
  ASSERT_NE(window->m_connection_dialog, nullptr);
  EXPECT_TRUE(window->m_connection_dialog->isVisible());
}

}  // namespace
}  // namespace vela::test
