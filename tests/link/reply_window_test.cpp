// What the listeners of a thread hear of the link's reply windows: what is
// waited for, how much of the window is left while waiting, and how it ended.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "network_search.h"
#include "reply_window.h"
#include "device_entries.h"
#include "simulated_lan.h"
#include "udp_exchange.h"

namespace vela {
namespace {

using test::SimulatedLan;

struct WindowLog : ReplyWindowListener {
  struct Closed {
    std::string purpose;
    ReplyWindowOutcome outcome;
    int elapsed_ms;
    std::size_t found;
  };
  std::vector<ReplyWindow> opened;
  std::vector<int> remaining;
  std::vector<std::size_t> found_while_waiting;
  std::vector<Closed> closed;
  // Called on the waiting thread after each report of the wait.
  std::function<void()> on_waiting;

  void window_opened(const ReplyWindow& window) override { opened.push_back(window); }
  void window_waiting(const ReplyWindow& window, int remaining_ms) override {
    remaining.push_back(remaining_ms);
    found_while_waiting.push_back(window.found);
    if (on_waiting) on_waiting();
  }
  void window_closed(const ReplyWindow& window, ReplyWindowOutcome outcome, int elapsed_ms) override {
    closed.push_back({window.purpose, outcome, elapsed_ms, window.found});
  }
};

struct ReplyWindows : SimulatedLan {
  WindowLog log;

  std::optional<Bytes> ask(LinkSession& session, int window_ms) {
    session.use_single_device(test::device_entry(0xA1, 1, device_address(0)));
    UdpExchangeOptions options;
    options.code = code::kSearch;
    options.window_ms = window_ms;
    options.purpose = "state read";
    return exchange_udp(session.udp_link(), session.current_device(), session.build_request(1, code::kSearch), options);
  }
};

// The device is the test's own socket, which answers only when told: the
// wait's reports do not depend on how fast the machine is.
TEST_F(ReplyWindows, AnExchangeIsAnnouncedWithItsDeviceAndEndsAsItsReplyDid) {
  const struct {
    int answer_after_reports;  // 0: never answers
    ReplyWindowOutcome outcome;
  } cases[] = {{2, ReplyWindowOutcome::Replied}, {0, ReplyWindowOutcome::NothingAccepted}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer_after_reports);
    log = {};
    settings.device_port = test::free_udp_port(range.addresses(test::LoopbackRange::kSize));
    settings.local_port = test::free_udp_port();
    test::UdpPeer device(device_address(0), settings.device_port);
    if (c.answer_after_reports > 0) {
      log.on_waiting = [&] {
        if (log.remaining.size() != static_cast<std::size_t>(c.answer_after_reports)) return;
        const auto request = device.receive(std::chrono::milliseconds(1000));
        ASSERT_TRUE(request.has_value()) << "the request reached the device";
        device.send_to(request->addr, request->port, request->bytes);  // same code: passes the rule
      };
    }
    const ReplyWindowListening listening(log);
    LinkSession session(settings);
    const auto reply = ask(session, 400);
    EXPECT_EQ(reply.has_value(), c.outcome == ReplyWindowOutcome::Replied);
    ASSERT_EQ(log.opened.size(), 1u);
    EXPECT_STREQ(log.opened[0].purpose, "state read");
    EXPECT_EQ(log.opened[0].kind, ReplyWindowKind::UdpReply);
    EXPECT_EQ(log.opened[0].device.address_text(), device_address(0));
    EXPECT_EQ(log.opened[0].device.type, 0xA1);
    EXPECT_EQ(log.opened[0].code, code::kSearch);
    EXPECT_EQ(log.opened[0].window_ms, 400);
    ASSERT_EQ(log.closed.size(), 1u);
    EXPECT_EQ(log.closed[0].outcome, c.outcome);
    // The wait is reported while it lasts, counting down.
    ASSERT_GE(log.remaining.size(), c.outcome == ReplyWindowOutcome::Replied ? 2u : 1u);
    EXPECT_TRUE(std::is_sorted(log.remaining.rbegin(), log.remaining.rend()));
    EXPECT_LE(log.remaining.front(), 400);
    if (c.outcome == ReplyWindowOutcome::Replied) {
      EXPECT_EQ(log.remaining.size(), 2u) << "the wait ends with the answer";
    } else {
      EXPECT_GE(log.closed[0].elapsed_ms, 400) << "a silent device is waited for the whole window";
    }
  }
}

TEST_F(ReplyWindows, ASearchReportsEveryDeviceAsItIsFound) {
  start({"type=0xA1,id=1,name=One", "type=0xA4,id=2,name=Two,delay=200", "type=0x81,id=3,name=Three,delay=400"});
  const ReplyWindowListening listening(log);
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found, 800), SearchStatus::Finished);
  link.close();
  ASSERT_EQ(log.opened.size(), 1u);
  EXPECT_EQ(log.opened[0].kind, ReplyWindowKind::NetworkSearch);
  EXPECT_STREQ(log.opened[0].purpose, "search");
  ASSERT_EQ(log.closed.size(), 1u);
  EXPECT_EQ(log.closed[0].found, 3u);
  for (std::size_t n = 1; n <= 3; ++n) {
    EXPECT_NE(std::find(log.found_while_waiting.begin(), log.found_while_waiting.end(), n),
              log.found_while_waiting.end())
        << n << " found is reported before the window ends";
  }
}

TEST_F(ReplyWindows, ASearchWithoutASocketOpensNoWindow) {
  start({"type=0xA1,id=1,name=One"});
  test::UdpPeer holder("0.0.0.0", settings.local_port);  // another program holds the local port
  const ReplyWindowListening listening(log);
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found), SearchStatus::SocketFailed);
  EXPECT_TRUE(log.opened.empty());
  EXPECT_TRUE(log.closed.empty());
}

TEST_F(ReplyWindows, OnlyTheWaitingThreadsListenersHear) {
  start({"type=0xA1,id=1,name=Plain,silent"});
  const ReplyWindowListening listening(log);
  std::thread other([this] {
    LinkSession session(settings);
    ask(session, 100);
  });
  other.join();
  EXPECT_TRUE(log.opened.empty());
  EXPECT_TRUE(log.remaining.empty());
  EXPECT_TRUE(log.closed.empty());
}

TEST(ReplyWindow, AWindowInsideAnotherIsNotAnnouncedAndAnUnclosedOneEndsEmpty) {
  WindowLog log;
  const ReplyWindowListening listening(log);
  const Bytes request = build_frame(1, 0xA5, 7, 0x42);
  {
    OpenReplyWindow outer(ReplyWindowKind::UdpReply, "camera name", request, 500);
    {
      OpenReplyWindow inner(ReplyWindowKind::UdpReply, "status poll", request, 500);
      inner.close(ReplyWindowOutcome::Replied);
    }
    EXPECT_TRUE(waiting_in_listened_window());
  }
  EXPECT_FALSE(waiting_in_listened_window());
  ASSERT_EQ(log.opened.size(), 1u);
  EXPECT_EQ(log.opened[0].device.id, 7);
  EXPECT_EQ(log.opened[0].code, 0x42);
  ASSERT_EQ(log.closed.size(), 1u);
  EXPECT_EQ(log.closed[0].purpose, "camera name");
  EXPECT_EQ(log.closed[0].outcome, ReplyWindowOutcome::NothingAccepted);
}

}  // namespace
}  // namespace vela
