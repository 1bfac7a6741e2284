// vela-devsim on its pseudo-terminal: the search, split replies, reopening
// the port, the log of frames and text, the symlink and a clean stop.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "frame.h"
#include "search_reply_check.h"
#include "serial_peer.h"
#include "sim_log.h"
#include "sim_process.h"
#include "temp_dir.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;

std::size_t search_reply_size(const std::string& name) { return 21 + name.size() + 3; }

Bytes text_bytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(DevsimSerial, AnswersTheSearchAgainAfterThePortIsReopened) {
  SimProcess sim({"--serial", "type=0xA3,id=2,name=Lm5530"});
  ASSERT_FALSE(sim.pty_path().empty());

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    SerialPeer port(sim.pty_path());
    port.write(build_search_request(frame::kLinkSerial));
    expect_search_reply(port.read(search_reply_size("Lm5530"), 15s), 0xA3, 2, frame::kLinkSerial, "Lm5530");
  }

  const auto records = SimLog(sim.log_path()).wait_for(2);
  ASSERT_EQ(records.size(), 2u);
  for (const LogRecord& r : records) {
    EXPECT_EQ(r.carrier, "serial");
    EXPECT_EQ(r.source, sim.pty_path());
    EXPECT_EQ(r.device, "Lm5530");
    EXPECT_EQ(r.code, code::kSearch);
    EXPECT_EQ(r.command, "search");
    EXPECT_EQ(r.bytes(), build_search_request(frame::kLinkSerial));
  }
}

TEST(DevsimSerial, SplitReplyArrivesInSeveralPieces) {
  SimProcess sim({"--serial", "type=0xA1,id=1,name=Split,split=3:400"});
  SerialPeer port(sim.pty_path());
  port.write(build_search_request(frame::kLinkSerial));
  const auto chunks = port.read_chunks(search_reply_size("Split"), 15s);

  Bytes joined;
  for (const Bytes& chunk : chunks) joined.insert(joined.end(), chunk.begin(), chunk.end());
  expect_search_reply(joined, 0xA1, 1, frame::kLinkSerial, "Split");
  // Three pieces 400 ms apart; only a reader stalled for the whole time
  // could see fewer than two of them.
  EXPECT_GE(chunks.size(), 2u);
}

// What arrives is cut into frames and text: text ends at ".", before a
// frame, or when the line goes quiet; a lone A5 is text.
TEST(DevsimSerial, LogsFramesAndTextInArrivalOrder) {
  SimProcess sim({"--serial", "type=0x81,id=1,name=Mx"});
  SerialPeer port(sim.pty_path());
  const Bytes search = build_search_request(frame::kLinkSerial);
  Bytes stream = text_bytes("3V1,4,8.");
  stream.push_back(0xA5);
  stream.insert(stream.end(), search.begin(), search.end());
  for (std::uint8_t b : text_bytes("All#.tail")) stream.push_back(b);
  port.write(stream);

  expect_search_reply(port.read(search_reply_size("Mx"), 15s), 0x81, 1, frame::kLinkSerial, "Mx");
  const auto records = SimLog(sim.log_path()).wait_for(5);
  ASSERT_EQ(records.size(), 5u);
  const std::vector<std::string> texts = {"3V1,4,8.", "\xA5", "", "All#.", "tail"};
  for (std::size_t i = 0; i < records.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(records[i].carrier, "serial");
    EXPECT_EQ(records[i].device, "Mx");
    if (i == 2) {
      EXPECT_FALSE(records[i].is_text);
      EXPECT_EQ(records[i].bytes(), search);
    } else {
      EXPECT_TRUE(records[i].is_text);
      EXPECT_EQ(records[i].code, -1);
      EXPECT_EQ(records[i].text, texts[i]);
      EXPECT_EQ(records[i].bytes(), text_bytes(texts[i]));
    }
  }
}

class DevsimStop : public ::testing::TestWithParam<int> {};

TEST_P(DevsimStop, SignalEndsCleanlyAndRemovesTheSerialLink) {
  TempDir dir;
  const std::string link = dir.file("ttyVELA0");
  SimProcess sim({"--serial", "type=0xA3,id=9,name=Linked", "--serial-link", link});
  ASSERT_EQ(std::filesystem::read_symlink(link), sim.pty_path());
  {
    SerialPeer port(link);
    port.write(build_search_request(frame::kLinkSerial));
    expect_search_reply(port.read(search_reply_size("Linked"), 15s), 0xA3, 9, frame::kLinkSerial, "Linked");
  }
  EXPECT_EQ(sim.stop(GetParam()), 0) << sim.stderr_text();
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

INSTANTIATE_TEST_SUITE_P(Signals, DevsimStop, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) { return std::string(info.param == SIGTERM ? "term" : "int"); });

}  // namespace
}  // namespace vela::test
