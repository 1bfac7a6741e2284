// The matrix page and its CONTROL sub-page against the simulated matrix:
// the lock read on opening, the routing keys, and the texts and frames that
// reach the device.
#include <QComboBox>

#include "control_id.h"
#include "matrix_fixture.h"
#include "scripted_device.h"

namespace vela::test {
namespace {

using MatrixPageTest = MatrixPageFixture;
using Action = MatrixRoutingTab::Action;

MatrixRoutes routes_of(std::initializer_list<std::uint8_t> entries) {
  MatrixRoutes routes{};
  std::copy(entries.begin(), entries.end(), routes.begin());
  return routes;
}

// A selection and table from an earlier visit of the page.
void store_earlier_choice(MatrixState& state, std::uint8_t input, const MatrixRoutes& routes) {
  state.m_input_pressed_this_run = 1;
  state.m_chosen_input = input;
  state.m_routes = routes;
}

TEST_F(MatrixPageTest, OpeningReadsTheLockShowsEveryKeyGreyAndTheControlTab) {
  start();
  // A selection and table from an earlier visit stay in the record but are
  // not shown until an input is pressed.
  store_earlier_choice(context->matrix(), 3, routes_of({3, 0, 0, 3, 5, 0, 0, 3}));
  open_page();

  const auto queries = wait_for_code(matrix::code::kLockQuery);
  ASSERT_EQ(queries.size(), 1u);
  const Bytes query = queries[0].bytes();
  EXPECT_EQ(query.size(), 20u);
  EXPECT_EQ(query[frame::kTypeOffset], device_type::kMatrix);
  EXPECT_EQ(query[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(diagnostics.count(" m_p_glo_main_set_or_get_dlg->m_matrix_btn_lock 0\n"), 1u);
  EXPECT_EQ(diagnostics.count("wait time over \n"), 0u);

  EXPECT_EQ(inputs(), "--------");
  EXPECT_EQ(outputs(), "--------");
  EXPECT_EQ(page->current_tab(), MatrixPage::kControlTab);
  ASSERT_NE(function_page(), nullptr);
  EXPECT_EQ(function_page()->geometry(), QRect(750, 105, 490, 420));
  EXPECT_EQ(page->tab_button(1)->shown_bitmap_id(), matrix_bitmap::control_tab_active);
  EXPECT_EQ(page->tab_button(2)->shown_bitmap_id(), matrix_bitmap::setting_tab);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_off);

  // Ids repeat between the page and its sub-page: each is found in its own window.
  EXPECT_EQ(page->findChild<QWidget*>(control_object_name(1032), Qt::FindDirectChildrenOnly), page->tab_button(1));
  EXPECT_EQ(find_control(function_page(), 1032), function_page()->action_button(Action::kOneToAll));
  EXPECT_EQ(find_control(function_page(), 1033), function_page()->action_button(Action::kOneToOne));

  // The stored input, though grey, is still the selection: pressing it does nothing.
  press_input(3);
  EXPECT_EQ(inputs(), "--------");
  press_input(5);
  EXPECT_EQ(inputs(), "----G---");
  EXPECT_EQ(outputs(), "----G---");
  press_input(3);
  EXPECT_EQ(inputs(), "--G-----");
  EXPECT_EQ(outputs(), "G--G---G");
  QTest::qWait(50);
  EXPECT_TRUE(texts().empty()) << "input presses send nothing";
}

// The keys follow the record, whoever changed it; a choice made before the
// page opened stays grey while only its routes change.
TEST_F(MatrixPageTest, TheKeysFollowTheRecordAndAStoredChoiceStaysGrey) {
  start();
  store_earlier_choice(context->matrix(), 3, routes_of({3, 0, 0, 0, 0, 0, 0, 0}));
  open_page();
  press_output(2);
  EXPECT_EQ(inputs(), "--------") << "the stored choice is not drawn by an output press";
  EXPECT_EQ(outputs(), "GG------");

  // A change made elsewhere, as a remote control would make it.
  MatrixState& state = context->matrix();
  state.m_chosen_input = 6;
  state.m_routes[7] = 6;
  context->record_changes().changed(RecordPart::Matrix);
  EXPECT_EQ(inputs(), "-----G--");
  EXPECT_EQ(outputs(), "-------G");
}

TEST_F(MatrixPageTest, ApplySendsTheRouteTextOfTheSelectedInput) {
  start();
  struct Case {
    int input;
    std::vector<int> outputs;
    std::string text;
    std::string lit;
  };
  const Case cases[] = {
      {4, {2, 7}, "4V2,7.", "-G----G-"},
      {3, {1, 4, 8}, "3V1,4,8.", "G--G---G"},
      {5, {2}, "5V2.", "-G------"},
      {8, {1, 2, 3, 4, 5, 6, 7, 8}, "8V1,2,3,4,5,6,7,8.", "GGGGGGGG"},
  };
  std::size_t sent = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    context->matrix() = MatrixState{};
    open_page();
    press_input(c.input);
    for (const int j : c.outputs) press_output(j);
    EXPECT_EQ(outputs(), c.lit);
    press(Action::kApply);
    const auto logged = wait_for_texts(++sent);
    ASSERT_EQ(logged.size(), sent);
    EXPECT_EQ(logged.back().text, c.text);
    EXPECT_EQ(logged.back().carrier, "udp");
    EXPECT_TRUE(logged.back().note.empty()) << logged.back().note;
    EXPECT_EQ(outputs(), c.lit) << "APPLY leaves the pictures";
    const MatrixRoutes device = device_view().routes;
    for (const int j : c.outputs) EXPECT_EQ(device[j - 1], c.input) << "output " << j;
  }
  EXPECT_EQ(diagnostics.count("nomoral  sendLen = 6 \n"), 1u);
  EXPECT_EQ(diagnostics.count("send data ok \n"), 4u);
  EXPECT_EQ(diagnostics.count("re draw  ok \n"), 4u);
}

TEST_F(MatrixPageTest, OutputPressesEditOnlyTheSelectedInputsRoutesAndApplyNeedsOne) {
  start();
  context->matrix().m_routes = routes_of({0, 2, 0, 0, 0, 0, 0, 0});
  open_page();
  press_output(1);
  EXPECT_EQ(context->matrix().m_routes, routes_of({0, 2, 0, 0, 0, 0, 0, 0})) << "no input selected";
  press_input(5);
  EXPECT_EQ(outputs(), "--------");
  press_output(2);  // carried input 2: taken over, not cleared
  EXPECT_EQ(context->matrix().m_routes[1], 5);
  EXPECT_EQ(outputs(), "-G------");
  press_output(6);
  press_output(6);  // twice: back as it was
  EXPECT_EQ(context->matrix().m_routes[5], 0);
  EXPECT_EQ(outputs(), "-G------");
  press_output(2);
  EXPECT_EQ(context->matrix().m_routes[1], 0);
  press(Action::kApply);  // no output carries input 5
  press_input(2);
  EXPECT_EQ(outputs(), "--------");
  press(Action::kApply);
  press_output(3);
  press(Action::kApply);
  const auto logged = wait_for_texts(1);
  QTest::qWait(50);
  ASSERT_EQ(texts(), std::vector<std::string>{"2V3."});
}

TEST_F(MatrixPageTest, OneToAllAndOneToOneRouteEveryOutput) {
  start();
  open_page();
  press(Action::kOneToAll);  // no input chosen yet this run
  press_input(6);
  press(Action::kOneToAll);
  ASSERT_EQ(wait_for_texts(1).size(), 1u);
  EXPECT_EQ(texts().back(), "6All.");
  EXPECT_EQ(context->matrix().m_routes, routes_of({6, 6, 6, 6, 6, 6, 6, 6}));
  EXPECT_EQ(outputs(), "GGGGGGGG");
  EXPECT_EQ(device_view().routes, routes_of({6, 6, 6, 6, 6, 6, 6, 6}));

  press(Action::kOneToOne);
  ASSERT_EQ(wait_for_texts(2).size(), 2u);
  EXPECT_EQ(texts().back(), "All#.");
  EXPECT_EQ(context->matrix().m_routes, routes_of({1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(context->matrix().m_chosen_input, 0);
  EXPECT_EQ(context->matrix().m_input_pressed_this_run, 1);
  EXPECT_EQ(inputs(), "--------");
  EXPECT_EQ(outputs(), "--------");
  EXPECT_EQ(device_view().routes, routes_of({1, 2, 3, 4, 5, 6, 7, 8}));

  // Nothing to route until an input is chosen again.
  press(Action::kApply);
  press(Action::kOneToAll);
  press_output(4);
  QTest::qWait(50);
  EXPECT_EQ(texts().size(), 2u);
  press_input(4);
  EXPECT_EQ(outputs(), "---G----");
}

TEST_F(MatrixPageTest, WithTheLockOnOnlyLockAndTheTabsWork) {
  start();
  open_page();
  press_input(2);
  press(Action::kLock);
  const auto sets = wait_for_code(matrix::code::kLockSet);
  ASSERT_EQ(sets.size(), 1u);
  ASSERT_EQ(sets[0].bytes().size(), 21u);
  EXPECT_EQ(sets[0].bytes()[frame::kPayloadOffset], 1);
  EXPECT_EQ(sets[0].bytes()[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(context->matrix().m_buttons_locked, 1);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_on);
  EXPECT_EQ(device_view().lock, 1);

  const MatrixState before = context->matrix();
  press_input(5);
  press_output(3);
  press(Action::kApply);
  press(Action::kOneToAll);
  press(Action::kOneToOne);
  EXPECT_EQ(context->matrix().m_chosen_input, before.m_chosen_input);
  EXPECT_EQ(context->matrix().m_routes, before.m_routes);
  EXPECT_EQ(inputs(), "-G------");
  EXPECT_EQ(outputs(), "--------");

  // The tabs are not gated, and the lock shows again when CONTROL comes back.
  choose_tab(MatrixPage::kSettingTab);
  choose_tab(MatrixPage::kControlTab);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_on);
  press(Action::kLock);
  ASSERT_EQ(wait_for_code(matrix::code::kLockSet, 2).size(), 2u);
  EXPECT_EQ(frames_with_code(matrix::code::kLockSet)[1].bytes()[frame::kPayloadOffset], 0);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_off);
  EXPECT_EQ(diagnostics.count(" m_p_glo_main_set_or_get_dlg->m_matrix_btn_lock 1\n"), 1u);
  QTest::qWait(50);
  EXPECT_TRUE(texts().empty());
  EXPECT_EQ(device_view().lock, 0);
}

TEST_F(MatrixPageTest, TheDevicesLockShowsOnReopeningAndTheRecordOutlivesThePage) {
  start();
  open_page();
  press_input(7);
  press_output(1);
  press(Action::kApply);
  press(Action::kLock);
  wait_for_code(matrix::code::kLockSet);
  page.reset();

  // Another device entry is chosen: the main window clears the lock only.
  context->matrix().m_buttons_locked = 0;
  open_page();
  EXPECT_EQ(context->matrix().m_buttons_locked, 1) << "read from the device";
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_on);
  EXPECT_EQ(context->matrix().m_chosen_input, 7);
  EXPECT_EQ(context->matrix().m_routes[0], 7);
  EXPECT_EQ(outputs(), "--------");
}

TEST_F(MatrixPageTest, EnterAndEscapeReachNoControlOnThePageOrEitherTab) {
  start();
  open_page();
  page->show();
  press_input(6);  // so that ONE TO ALL, were it pressed by a key, would send
  for (const int t : {MatrixPage::kControlTab, MatrixPage::kSettingTab}) {
    SCOPED_TRACE(t);
    choose_tab(t);
    QWidget* focused = t == MatrixPage::kControlTab
                           ? static_cast<QWidget*>(function_page()->action_button(Action::kOneToAll))
                           : static_cast<QWidget*>(setting_page()->mode_list());
    focused->setFocus();
    for (QWidget* target : {static_cast<QWidget*>(page.get()), page->sub_page(), focused}) {
      diagnostics.clear();
      for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
      EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 3u);
    }
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(page->sub_page()->isVisible());
  }
  QTest::qWait(50);
  EXPECT_TRUE(texts().empty());
  EXPECT_TRUE(frames_with_code(matrix::code::kLockSet).empty());
}

// Lock replies as a device might send them, played by the test itself.
struct MatrixLockReply : MatrixPageFixture {
  std::unique_ptr<ScriptedDevice> device;

  void open_with_replies(std::vector<Bytes> replies, std::uint8_t lock_before) {
    device = std::make_unique<ScriptedDevice>(device_address(),
                                              ScriptedDevice::Replies{{matrix::code::kLockQuery, std::move(replies)}});
    LinkSettings settings;
    settings.device_port = device->port();
    settings.local_port = free_udp_port();
    make_context(settings, device_type::kMatrix);
    point_device_at(device_address());
    context->matrix().m_buttons_locked = lock_before;
    open_page();
  }

  void TearDown() override {
    MatrixPageFixture::TearDown();
    device.reset();
  }
};

Bytes lock_frame(ByteView payload) {
  return build_frame(frame::kLinkUdp, device_type::kMatrix, 1, matrix::code::kLockQuery, payload);
}

TEST_F(MatrixLockReply, TheLockComesOnlyFromAFrameLongEnoughToCarryIt) {
  const Bytes echo = lock_frame({});
  const Bytes unframed{0xA5, 0x6C, 0x16, 0x00, 0x81, 0x01, 0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x50, 0x00, 0x01, 0, 0, 0};
  struct Case {
    const char* name;
    std::vector<Bytes> replies;
    std::uint8_t before;
    std::uint8_t after;
    bool timed_out;
  };
  const Case cases[] = {
      {"lock 2 counts as locked", {lock_frame(Bytes{0x00, 0x02})}, 0, 2, false},
      {"echo of the query only", {echo}, 1, 1, true},
      {"echo, then the reply", {echo, lock_frame(Bytes{0x00, 0x01})}, 0, 1, false},
      {"no frame end", {unframed}, 0, 0, true},
      {"unlocked", {lock_frame(Bytes{0x07, 0x00})}, 1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    diagnostics.clear();
    open_with_replies(c.replies, c.before);
    EXPECT_EQ(context->matrix().m_buttons_locked, c.after);
    EXPECT_EQ(diagnostics.count("wait time over \n"), c.timed_out ? 1u : 0u);
    EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(),
              c.after != 0 ? matrix_bitmap::lock_on : matrix_bitmap::lock_off);
    page.reset();
    context.reset();
    device.reset();
  }
}

TEST_F(MatrixLockReply, AfterALockOfTwoTheNextLockPressUnlocks) {
  open_with_replies({lock_frame(Bytes{0x00, 0x02})}, 0);
  press_input(1);
  EXPECT_EQ(context->matrix().m_chosen_input, 0) << "locked";
  press(Action::kLock);
  EXPECT_EQ(context->matrix().m_buttons_locked, 0);
  EXPECT_EQ(function_page()->action_button(Action::kLock)->shown_bitmap_id(), matrix_bitmap::lock_off);
  EXPECT_EQ(diagnostics.count(" m_p_glo_main_set_or_get_dlg->m_matrix_btn_lock 0\n"), 1u);
}

// Texts over the simulator's serial line; the lock keeps to the network.
struct MatrixSerial : MatrixPageFixture {
  void SetUp() override {
    start({"--serial", "type=0x81,id=1,name=Serial Matrix"});
    context->m_link.set_connection_mode(connection_mode::kSerial);
  }
};

TEST_F(MatrixSerial, WithThePortClosedNothingIsSentOrChangedButTheLockStillGoesOut) {
  open_page();
  ASSERT_EQ(wait_for_code(matrix::code::kLockQuery).size(), 1u);
  EXPECT_EQ(wait_for_code(matrix::code::kLockQuery)[0].carrier, "udp");
  press_input(6);
  press_output(2);
  const MatrixRoutes before = context->matrix().m_routes;
  press(Action::kOneToAll);
  press(Action::kApply);
  press(Action::kOneToOne);
  EXPECT_EQ(context->matrix().m_routes, before);
  EXPECT_EQ(context->matrix().m_chosen_input, 6);
  EXPECT_EQ(inputs(), "-----G--");
  EXPECT_EQ(outputs(), "-G------");
  EXPECT_EQ(diagnostics.count("send data ok \n"), 0u);

  press(Action::kLock);  // framed, over the network whatever the mode
  const auto sets = wait_for_code(matrix::code::kLockSet);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].carrier, "udp");
  EXPECT_EQ(sets[0].bytes()[frame::kLinkFlagOffset], frame::kLinkUdp);
  QTest::qWait(50);
  EXPECT_TRUE(texts().empty());
}

TEST_F(MatrixSerial, WithThePortOpenTheTextsGoOutOnTheLine) {
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  open_page();
  press_input(3);
  press_output(1);
  press_output(8);
  press(Action::kApply);
  press(Action::kOneToOne);
  const auto logged = wait_for_texts(2);
  ASSERT_EQ(logged.size(), 2u);
  EXPECT_EQ(logged[0].text, "3V1,8.");
  EXPECT_EQ(logged[1].text, "All#.");
  for (const LogRecord& r : logged) {
    EXPECT_EQ(r.carrier, "serial");
    EXPECT_TRUE(r.note.empty()) << r.note;
  }
  EXPECT_EQ(context->matrix().m_chosen_input, 0);
  EXPECT_EQ(frames_with_code(matrix::code::kLockQuery).size(), 1u);
  EXPECT_EQ(frames_with_code(matrix::code::kLockQuery)[0].carrier, "udp");
}

}  // namespace
}  // namespace vela::test
