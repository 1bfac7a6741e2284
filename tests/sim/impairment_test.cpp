// The simulator's lossy network: its decisions for a seed, its switches, and
// a simulator that loses, duplicates and delays datagrams both ways.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "errors.h"
#include "frame.h"
#include "impairment.h"
#include "loopback.h"
#include "options.h"
#include "sim_log.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;
using sim::Impairment;
using sim::ImpairmentSettings;

ImpairmentSettings lossy(std::uint64_t seed) {
  ImpairmentSettings s;
  s.loss_percent = 30;
  s.duplicate_percent = 20;
  s.reorder_percent = 10;
  s.delay_ms = 150;
  s.jitter_ms = 50;
  s.seed = seed;
  return s;
}

std::vector<std::vector<std::chrono::milliseconds>> schedules(Impairment& impairment, int count) {
  std::vector<std::vector<std::chrono::milliseconds>> out;
  for (int i = 0; i < count; ++i) out.push_back(impairment.schedule());
  return out;
}

TEST(Impairment, DecisionsFollowTheSeedAndTheShares) {
  constexpr int kDatagrams = 20000;
  Impairment first(lossy(7));
  Impairment again(lossy(7));
  Impairment other(lossy(8));
  const auto decided = schedules(first, kDatagrams);
  EXPECT_EQ(decided, schedules(again, kDatagrams)) << "one seed, one run";
  EXPECT_NE(decided, schedules(other, kDatagrams));

  const sim::ImpairmentCounts& c = first.counts();
  EXPECT_EQ(c.datagrams, static_cast<std::uint64_t>(kDatagrams));
  EXPECT_NEAR(static_cast<double>(c.lost) / kDatagrams, 0.30, 0.02);
  // Duplication and reordering are counted among the survivors.
  const double survivors = static_cast<double>(kDatagrams - c.lost);
  EXPECT_NEAR(c.duplicated / survivors, 0.20, 0.02);
  EXPECT_NEAR(c.reordered / survivors, 0.10, 0.02);

  std::uint64_t lost = 0, duplicated = 0, held = 0;
  for (const auto& copies : decided) {
    ASSERT_LE(copies.size(), 2u);
    lost += copies.empty();
    duplicated += copies.size() == 2;
    for (const auto at : copies) {
      EXPECT_GE(at.count(), 100);
      EXPECT_LE(at.count(), 150 + 50 + sim::kReorderHoldMs + 50);
    }
    // Only a held-back copy goes past delay + jitter.
    held += !copies.empty() && copies.front().count() > 200;
  }
  EXPECT_EQ(lost, c.lost);
  EXPECT_EQ(duplicated, c.duplicated);
  EXPECT_LE(held, c.reordered);
  EXPECT_GT(held, c.reordered / 2) << "most held-back copies arrive after every plain one";
}

TEST(Impairment, OneSwitchLeavesTheOtherDecisionsAlone) {
  ImpairmentSettings without_loss = lossy(3);
  without_loss.loss_percent = 0;
  Impairment with(lossy(3));
  Impairment without(without_loss);
  for (int i = 0; i < 2000; ++i) {
    const auto a = with.schedule();
    const auto b = without.schedule();
    if (!a.empty()) {
      EXPECT_EQ(a, b) << "datagram " << i;
    }
  }
  EXPECT_EQ(without.counts().lost, 0u);
}

TEST(Impairment, NoSwitchPassesEveryDatagramAtOnce) {
  EXPECT_FALSE(ImpairmentSettings{}.active());
  Impairment none(ImpairmentSettings{});
  for (int i = 0; i < 100; ++i) EXPECT_EQ(none.schedule(), std::vector<std::chrono::milliseconds>{0ms});
}

TEST(Impairment, CommandLineSwitches) {
  const char* argv[] = {"vela-devsim", "--loss", "30",       "--duplicate", "20",     "--reorder", "5",
                        "--delay",     "150",    "--jitter", "40",          "--seed", "99"};
  const sim::SimOptions options = sim::parse_command_line(std::size(argv), argv);
  EXPECT_EQ(options.impairment.loss_percent, 30);
  EXPECT_EQ(options.impairment.duplicate_percent, 20);
  EXPECT_EQ(options.impairment.reorder_percent, 5);
  EXPECT_EQ(options.impairment.delay_ms, 150);
  EXPECT_EQ(options.impairment.jitter_ms, 40);
  EXPECT_EQ(options.impairment.seed, 99u);
  EXPECT_TRUE(options.impairment.active());

  const std::vector<std::vector<const char*>> refused = {
      {"vela-devsim", "--loss", "101"}, {"vela-devsim", "--duplicate", "-1"},
      {"vela-devsim", "--delay", "1s"}, {"vela-devsim", "--jitter", ""},
      {"vela-devsim", "--seed"},
  };
  for (const auto& args : refused) {
    EXPECT_THROW(sim::parse_command_line(static_cast<int>(args.size()), args.data()), sim::UsageError)
        << args[1] << " " << (args.size() > 2 ? args[2] : "");
  }
}

// The counts a simulator writes on standard error when it ends.
struct Summary {
  int received = 0, received_lost = 0, received_duplicated = 0;
  int sent = 0, sent_lost = 0, sent_duplicated = 0;
};

Summary read_summary(const std::string& stderr_text) {
  Summary s;
  const std::size_t at = stderr_text.find("impairment: received");
  EXPECT_NE(at, std::string::npos) << stderr_text;
  if (at == std::string::npos) return s;
  int reordered = 0;
  std::sscanf(stderr_text.c_str() + at,
              "impairment: received %d datagrams (%d lost, %d duplicated, %d reordered); sent %d datagrams (%d "
              "lost, %d duplicated",
              &s.received, &s.received_lost, &s.received_duplicated, &reordered, &s.sent, &s.sent_lost,
              &s.sent_duplicated);
  return s;
}

// Requests lost on the way in never reach the log; every copy that gets
// through is logged and answered; answers are lost and duplicated again on
// the way out; both directions are late.
TEST(Impairment, SimulatorImpairsBothDirections) {
  constexpr int kRequests = 120;
  const auto addrs = LoopbackRange::for_this_process().addresses(1);
  const std::uint16_t port = free_udp_port(addrs);
  SimProcess sim({"--port", std::to_string(port), "--device", "type=0x60,id=1,name=Booth,addr=" + addrs[0], "--loss",
                  "30", "--duplicate", "20", "--reorder", "20", "--delay", "60", "--jitter", "20", "--seed", "11"});
  UdpPeer peer;
  const auto sent_at = std::chrono::steady_clock::now();
  for (int i = 0; i < kRequests; ++i) peer.send_to(addrs[0], port, build_frame(frame::kLinkUdp, 0x60, 1, 0x90));
  const std::vector<ReceivedDatagram> replies = peer.collect(kRequests * 2, 1500ms, 300ms);
  const std::size_t logged = SimLog(sim.log_path()).records().size();
  ASSERT_EQ(sim.stop(), 0);
  const Summary s = read_summary(sim.stderr_text());

  EXPECT_EQ(s.received, kRequests);
  EXPECT_GT(s.received_lost, 0);
  EXPECT_GT(s.received_duplicated, 0);
  EXPECT_EQ(logged, static_cast<std::size_t>(s.received - s.received_lost + s.received_duplicated));
  EXPECT_EQ(s.sent, static_cast<int>(logged)) << "one answer per request the device saw";
  EXPECT_GT(s.sent_lost, 0);
  EXPECT_EQ(replies.size(), static_cast<std::size_t>(s.sent - s.sent_lost + s.sent_duplicated));
  ASSERT_FALSE(replies.empty());
  // Two delays of at least 40 ms each lie between a request and its answer.
  EXPECT_GE(replies.front().at - sent_at, 80ms);
}

}  // namespace
}  // namespace vela::test
