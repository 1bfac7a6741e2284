// The simulator's log over UDP: one JSON line per received datagram, frame
// or text, with carrier, source, device, bytes and code.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "frame.h"
#include "loopback.h"
#include "sim_log.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

std::string lower_hex(ByteView bytes) {
  std::string out;
  char two[3];
  for (std::uint8_t b : bytes) {
    std::snprintf(two, sizeof two, "%02x", b);
    out += two;
  }
  return out;
}

TEST(DevsimLog, OneLinePerReceivedDatagram) {
  const auto addrs = LoopbackRange::for_this_process().addresses(2);
  const std::uint16_t port = free_udp_port(addrs);
  SimProcess sim({"--port", std::to_string(port), "--broadcast-listen", addrs[1], "--device",
                  "type=0xA1,id=1,name=Studio \"1\",addr=" + addrs[0]});

  UdpPeer peer;
  const Bytes search = build_search_request(frame::kLinkUdp);
  const Bytes payload = {0x02, 0xA5, 0xFF};
  const Bytes command = build_frame(frame::kLinkUdp, 0xA1, 1, 0x33, payload);
  // Text with a quote, a backslash, a line end, a control byte and a byte
  // above 0x7F: all must survive the JSON escaping on one line.
  const std::string text = "a\"b\\c\nd\x01\xE9.";
  const Bytes text_bytes(text.begin(), text.end());
  // Two sockets of the simulator: wait for the first line before the
  // device's own datagrams, whose order is kept.
  const SimLog log(sim.log_path());
  peer.send_to(addrs[1], port, search);
  ASSERT_EQ(log.wait_for(1).size(), 1u);
  peer.send_to(addrs[0], port, command);
  peer.send_to(addrs[0], port, text_bytes);

  const auto records = log.wait_for(3);
  ASSERT_EQ(records.size(), 3u);
  const std::string source = "127.0.0.1:" + std::to_string(peer.port());
  for (const LogRecord& r : records) {
    EXPECT_EQ(r.carrier, "udp");
    EXPECT_EQ(r.source, source);
    EXPECT_GE(r.time, 0.0);
  }
  EXPECT_LE(records[0].time, records[1].time);
  EXPECT_LE(records[1].time, records[2].time);

  EXPECT_EQ(records[0].device, "*");  // the broadcast listener
  EXPECT_EQ(records[0].hex, lower_hex(search));
  EXPECT_EQ(records[0].code, 0xFF);
  EXPECT_EQ(records[0].command, "search");
  EXPECT_FALSE(records[0].is_text);

  EXPECT_EQ(records[1].device, "Studio \"1\"");
  EXPECT_EQ(records[1].hex, lower_hex(command));
  EXPECT_EQ(records[1].code, 0x33);
  EXPECT_FALSE(records[1].command.empty());
  EXPECT_FALSE(records[1].is_text);

  EXPECT_TRUE(records[2].is_text);
  EXPECT_EQ(records[2].text, text);
  EXPECT_EQ(records[2].hex, lower_hex(text_bytes));
  EXPECT_EQ(records[2].code, -1);

  // Exactly one physical line per record.
  std::ifstream in(sim.log_path());
  std::size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  EXPECT_EQ(lines, 3u);
}

}  // namespace
}  // namespace vela::test
