// A page waiting for its device: the window keeps painting and shows what it
// waits for, while clicks and timers wait their turn.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>

#include "live_wait.h"
#include "multiviewer/multiviewer_layout_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"
#include "serial_exchange.h"
#include "ticks.h"
#include "wait_indication.h"
#include "wait_watch.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

// The page inside a window of the panel's size, with the window's wait
// display: live painting and the card over the page.
struct PageWait : MultiviewerPageFixture {
  std::unique_ptr<QWidget> host;
  std::unique_ptr<LiveWait> live;
  WaitIndication* card = nullptr;

  void SetUp() override {
    host = std::make_unique<QWidget>();
    host->resize(1240, 580);
    live = std::make_unique<LiveWait>();
    card = new WaitIndication(WaitIndication::Shows::DeviceReplies, host.get());
    card->place_centred(host->rect());
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
  }

  void TearDown() override {
    page.reset();
    host.reset();
    live.reset();
    MultiviewerPageFixture::TearDown();
  }

  void open_page_in_host() {
    page = std::make_unique<MultiviewerPage>(*context, host.get());
    page->setGeometry(host->rect());
    page->show();
  }

  void start_serial(const std::string& extra = "") {
    sim = std::make_unique<SimProcess>(std::vector<std::string>{"--serial", "type=0xA1,id=1,name=Line" + extra});
    make_context({}, device_type::kMultiviewer16);
    context->m_link.set_connection_mode(connection_mode::kSerial);
    ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  }

  // Runs the window thread's queue until `done`, for at most `limit_ms`.
  static bool run_until(const std::function<bool()>& done, int limit_ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limit_ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
  }
};

// What the window looked like at one slice of a wait.
struct Slice {
  int remaining_ms;
  bool card_shown;
  int card_paints;
  int page_paints;
  bool wait_cursor;
};

TEST_F(PageWait, ASerialReadBackKeepsThePageDrawnAndCountsDownWhatItWaitsFor) {
  start_serial();
  WaitWatch watch;
  bool card_seen_on_quick_read = false;
  watch.on_close = [&](const ReplyWindow&) { card_seen_on_quick_read |= card->isVisible(); };
  open_page_in_host();
  ASSERT_EQ(watch.events, (std::vector<std::string>{"open state read", "close state read"}));
  EXPECT_FALSE(card_seen_on_quick_read) << "a reply that comes at once shows no card";
  watch.on_close = nullptr;

  // The device falls silent; the Status sub-page reads it again and waits
  // its whole 5000 ms.
  sim->control("silent Line on");
  choose_sub_page(MultiviewerSubPage::Control);
  const PaintCount card_paints(card);
  const PaintCount page_paints(page.get());
  std::vector<Slice> slices;
  QString caption, detail;
  watch.on_slice = [&](const ReplyWindow&, int remaining_ms) {
    const QCursor* cursor = QApplication::overrideCursor();
    slices.push_back({remaining_ms, card->isVisible(), card_paints.count, page_paints.count,
                      cursor != nullptr && cursor->shape() == Qt::WaitCursor});
    caption = card->caption();
    detail = card->detail();
    // Whatever changes on the page meanwhile is painted by the next slice.
    page->update();
  };
  choose_sub_page(MultiviewerSubPage::Status);
  EXPECT_EQ(diagnostics.count("time over \n"), 1u);

  // How many slices a wait has depends on the machine's speed; that it
  // counts down, and what each slice paints, does not.
  ASSERT_GE(slices.size(), 2u);
  EXPECT_LT(slices.back().remaining_ms, slices.front().remaining_ms);
  if (slices.front().remaining_ms > 5000 - 100) {
    EXPECT_FALSE(slices.front().card_shown) << "not before the wait has lasted a while";
  }
  for (std::size_t i = 1; i < slices.size(); ++i) {
    const Slice& before = slices[i - 1];
    const Slice& now = slices[i];
    EXPECT_LE(now.remaining_ms, before.remaining_ms) << i;
    EXPECT_GT(now.page_paints, before.page_paints) << "slice " << i << ": the page was not repainted";
    if (before.card_shown) {
      EXPECT_TRUE(now.card_shown) << i;
      EXPECT_GT(now.card_paints, before.card_paints) << "slice " << i << ": the countdown was not repainted";
    }
    EXPECT_EQ(now.wait_cursor, now.card_shown) << i;
  }
  EXPECT_TRUE(slices.back().card_shown);
  EXPECT_EQ(caption, "State read");
  EXPECT_EQ(detail, "Waiting for the multiviewer, id 1, on the serial line");
  EXPECT_FALSE(card->isVisible()) << "gone with the wait";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PageWait, ClicksMadeDuringAWaitRunAfterItInTheirOrder) {
  start(device_type::kMultiviewer16);
  open_page_in_host();
  choose_sub_page(MultiviewerSubPage::Control);
  auto* control = sub_page<MultiviewerLayoutTab>();
  ASSERT_NE(control, nullptr);
  sim->control("silent Gallery on");

  WaitWatch watch;
  bool clicked = false;
  std::size_t layouts_sent_during_the_wait = 0;
  watch.on_slice = [&](const ReplyWindow&, int) {
    if (std::exchange(clicked, true)) return;
    post_click(control->layout_button(4));
    post_click(control->layout_button(2));
  };
  watch.on_close = [&](const ReplyWindow&) {
    layouts_sent_during_the_wait = frames_with_code(mv::code::kLayout).size();
  };
  // The 1000 ms status poll of a silent device.
  multiviewer_exchanges::poll_status(context->m_link, context->multiviewer(), context->record_changes());
  ASSERT_TRUE(clicked);
  EXPECT_EQ(layouts_sent_during_the_wait, 0u);
  EXPECT_EQ(watch.events, (std::vector<std::string>{"open status poll", "close status poll"}));

  ASSERT_TRUE(run_until([&] { return frames_with_code(mv::code::kLayout).size() >= 2; }));
  const auto layouts = frames_with_code(mv::code::kLayout);
  ASSERT_EQ(layouts.size(), 2u);
  EXPECT_EQ(layouts[0].bytes()[17], mv::kLayouts[4].code);
  EXPECT_EQ(layouts[1].bytes()[17], mv::kLayouts[2].code);
  EXPECT_EQ(context->multiviewer().m_layout_window_count, mv::kLayouts[2].code);
}

// The window paints while a poll waits: it shows what the device last
// confirmed until the poll has ended, then what the poll found.
TEST_F(PageWait, APollingPageShowsTheLastConfirmedSignalsUntilThePollEnds) {
  start(device_type::kMultiviewer16);
  multiviewer_exchanges::poll_status(context->m_link, context->multiviewer(), context->record_changes());
  const WindowStatus confirmed = context->multiviewer().m_window_status;
  ASSERT_NE(confirmed, WindowStatus{}) << "the simulated windows carry a signal";
  sim->control("silent Gallery on");

  WaitWatch watch;
  std::vector<WindowStatus> shown_while_waiting;
  watch.on_slice = [&](const ReplyWindow&, int) {
    shown_while_waiting.push_back(context->multiviewer().m_window_status);
  };
  multiviewer_exchanges::poll_status(context->m_link, context->multiviewer(), context->record_changes());
  ASSERT_FALSE(shown_while_waiting.empty());
  for (const WindowStatus& shown : shown_while_waiting) EXPECT_EQ(shown, confirmed);
  EXPECT_EQ(context->multiviewer().m_window_status, WindowStatus{}) << "an unanswered poll clears the lamps";
}

TEST_F(PageWait, AStatusPollDueDuringAnotherWaitRunsAfterItOnce) {
  // The page's multiviewer answers over UDP; a silent one on the serial line
  // holds the window thread for 5000 ms, the status poll's whole period.
  start_device(device_type::kMultiviewer16, "", {"--serial", "type=0xA1,id=2,name=Line,silent"});
  ASSERT_TRUE(context->m_link.serial_port().open(sim->pty_path(), 115200));
  open_page_in_host();
  ASSERT_TRUE(sub_page<MultiviewerStatusTab>()->polling());
  // A second into the poll's period, so that its tick, however coarse the
  // timer, falls inside the wait that follows.
  run_until([] { return false; }, 1000);

  WaitWatch watch;
  LinkSession& link = context->m_link;
  const Bytes request = link.build_request(frame::kLinkSerial, mv::code::kState);
  exchange_serial(link.serial_port(), link.serial_reassembly(), request, link.scanner_targets(),
                  mv::kStateWindowSerialMs, {}, "state read");
  EXPECT_EQ(watch.events, (std::vector<std::string>{"open state read", "close state read"}));
  EXPECT_TRUE(frames_with_code(mv::code::kStatus).empty()) << "the poll ran inside the wait";

  ASSERT_TRUE(run_until([&] { return watch.events.size() >= 4; }));
  EXPECT_EQ(watch.events,
            (std::vector<std::string>{"open state read", "close state read", "open status poll", "close status poll"}));
  run_until([] { return false; }, 300);
  EXPECT_EQ(frames_with_code(mv::code::kStatus).size(), 1u) << "one poll for the tick the wait held";
}

// What each kind of wait says, and when it shows.
TEST(WaitIndicationText, SaysWhatIsAskedOfWhomAndShowsOnlyOnceAWaitLasts) {
  DeviceEntry udp_device;
  udp_device.type = device_type::kRk2207;
  udp_device.id = 3;
  udp_device.set_address("127.0.0.9");
  DeviceEntry no_address = udp_device;
  no_address.set_address("");
  struct Case {
    WaitIndication::Shows shows;
    ReplyWindowKind kind;
    const char* purpose;
    DeviceEntry device;
    std::size_t found;
    const char* caption;
    const char* detail;
  };
  using S = WaitIndication::Shows;
  using K = ReplyWindowKind;
  const Case cases[] = {
      {S::Searches, K::NetworkSearch, "search", {}, 0, "Searching the network", "no device yet"},
      {S::Searches, K::NetworkSearch, "search", {}, 1, "Searching the network", "1 device found"},
      {S::Searches, K::NetworkSearch, "search", {}, 12, "Searching the network", "12 devices found"},
      {S::Searches, K::SerialSearch, "search", {}, 0, "Searching the serial line", ""},
      {S::DeviceReplies, K::UdpReply, "state read", udp_device, 0, "State read",
       "Waiting for the RK2207, id 3, at 127.0.0.9"},
      {S::DeviceReplies, K::UdpReply, "camera name", no_address, 0, "Camera name", "Waiting for the RK2207, id 3"},
      {S::DeviceReplies, K::SerialReply, "lock read", udp_device, 0, "Lock read",
       "Waiting for the RK2207, id 3, on the serial line"},
  };
  QWidget host;
  host.resize(600, 300);
  host.show();
  for (const Case& c : cases) {
    WaitIndication indication(c.shows, &host);
    ReplyWindow window;
    window.kind = c.kind;
    window.purpose = c.purpose;
    window.device = c.device;
    window.found = c.found;
    window.window_ms = 1000;
    window.opened_tick = tick_ms();
    indication.window_opened(window);
    indication.window_waiting(window, 990);
    EXPECT_EQ(indication.caption(), c.caption) << c.purpose;
    EXPECT_EQ(indication.detail(), c.detail) << c.purpose;
    EXPECT_EQ(indication.isVisible(), c.shows == S::Searches)
        << c.purpose << ": a search shows at once, a reply not yet";
    window.opened_tick -= WaitIndication::kShowAfterMs;
    indication.window_waiting(window, 840);
    EXPECT_TRUE(indication.isVisible()) << c.purpose;
    EXPECT_EQ(indication.time_left(), "0.8 s") << c.purpose;
    // A window of the other kind passes it by.
    ReplyWindow other = window;
    other.kind = c.shows == S::Searches ? K::UdpReply : K::NetworkSearch;
    indication.window_closed(other, ReplyWindowOutcome::Replied, 10);
    EXPECT_TRUE(indication.isVisible()) << c.purpose;
    indication.window_closed(window, ReplyWindowOutcome::NothingAccepted, 1000);
    EXPECT_FALSE(indication.isVisible()) << c.purpose;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.purpose;
  }
}

// A wait started from a dialog of the page (the camera names) shows over
// the dialog the operator works in, not behind it, and goes home after.
TEST(WaitIndicationPlace, AWaitFromAnActiveDialogShowsOverItAndTheCardComesHomeAfter) {
  QWidget host;
  host.resize(1240, 580);
  WaitIndication card(WaitIndication::Shows::DeviceReplies, &host);
  const QRect home_area(300, 100, 900, 400);
  card.place_centred(home_area);
  const QRect home_place = card.geometry();
  host.show();
  QDialog dialog(&host);
  dialog.resize(320, 550);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

  ReplyWindow window;
  window.purpose = "camera name";
  window.window_ms = 1500;
  window.opened_tick = tick_ms() - WaitIndication::kShowAfterMs;
  card.window_opened(window);
  card.window_waiting(window, 1300);
  ASSERT_TRUE(card.isVisible());
  EXPECT_EQ(card.window(), &dialog);
  EXPECT_TRUE(dialog.rect().contains(card.geometry())) << "the card fits the dialog";
  EXPECT_EQ(card.width(), 320 - 2 * WaitIndication::kGuestMargin);

  card.window_closed(window, ReplyWindowOutcome::Replied, 300);
  EXPECT_FALSE(card.isVisible());
  EXPECT_EQ(card.parentWidget(), &host);
  EXPECT_EQ(card.geometry(), home_place);

  // With the dialog closed, the next wait shows at home.
  dialog.close();
  card.window_opened(window);
  card.window_waiting(window, 1300);
  EXPECT_EQ(card.parentWidget(), &host);
  EXPECT_EQ(card.geometry(), home_place);
  card.window_closed(window, ReplyWindowOutcome::Replied, 300);
}

// The card over a page, for a person to look at; skipped unless
// VELA_RENDER_DIR is set.
TEST_F(PageWait, RenderTheCardOverAPage) {
  const QString dir = qEnvironmentVariable("VELA_RENDER_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  QDir().mkpath(dir);
  start(device_type::kMultiviewer16, ",signal=1-12");
  open_page_in_host();
  sim->control("silent Gallery on");
  WaitWatch watch;
  bool saved = false;
  watch.on_slice = [&](const ReplyWindow&, int remaining_ms) {
    if (saved || remaining_ms > 600) return;
    saved = host->grab().save(dir + "/page-wait-status-poll.png");
  };
  multiviewer_exchanges::poll_status(context->m_link, context->multiviewer(), context->record_changes());
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace vela::test
