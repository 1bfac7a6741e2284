#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "hex_text.h"
#include "reply_scanner.h"
#include "search_names.h"

namespace vela {
namespace {

Bytes text_bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A serial search reply whose name area is exactly `name_area`.
Bytes search_reply(std::uint8_t type, std::uint8_t id, const std::string& name_area) {
  Bytes payload = {0x00};
  const Bytes area = text_bytes(name_area);
  payload.insert(payload.end(), area.begin(), area.end());
  return build_frame(frame::kLinkSerial, type, id, code::kSearch, payload);
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// Records what the scanner writes to its targets.
struct ScanFixture : ::testing::Test {
  std::uint8_t serial_type = 0;
  DeviceEntry entry0;
  std::vector<std::string> names;
  int decoder_calls = 0;
  bool decoder_accepts = true;
  std::vector<std::string> diagnostics;
  DiagnosticSink previous;

  void SetUp() override {
    previous = set_diagnostic_sink([this](const std::string& line) { diagnostics.push_back(line); });
  }
  void TearDown() override { set_diagnostic_sink(previous); }

  int scan(const Bytes& buffer) {
    ScannerTargets targets;
    targets.serial_device_type = &serial_type;
    targets.entry0 = &entry0;
    targets.on_name = [this](const std::string& n) { names.push_back(n); };
    targets.state_decoder = [this](ByteView) {
      ++decoder_calls;
      return decoder_accepts;
    };
    return scan_replies(buffer, targets);
  }
};

struct ScanCase {
  const char* what;
  Bytes buffer;
  int result;
  std::vector<std::string> names;
  std::uint8_t recorded_type;
};

TEST_F(ScanFixture, TableOfBuffers) {
  const Bytes reply = search_reply(0xA1, 0x07, "Studio1-1-");
  ASSERT_EQ(reply.size(), 31u);
  Bytes wrong_end = reply;
  wrong_end.at(30) = 0xAF;
  Bytes short_length = reply;
  short_length[2] = 0x05;  // length field shorter than any frame
  Bytes other_code = build_frame(0, 0x81, 2, 0x51, Bytes{1, 2, 3});
  const ScanCase cases[] = {
      {"whole search reply", reply, 1, {"Studio1"}, 0xA1},
      {"garbage before the reply", concat({text_bytes("xx\x01"), reply}), 1, {"Studio1"}, 0xA1},
      {"A5 A5 6C does not start a frame at the second A5", concat({Bytes{0xA5}, reply}), 0, {}, 0x00},
      {"wrong end byte", wrong_end, 0, {}, 0xA1},
      {"wrong end byte, then a good reply", concat({wrong_end, search_reply(0xA4, 3, "Next-2-")}), 1, {"Next"}, 0xA4},
      {"length past the received bytes", Bytes(reply.begin(), reply.end() - 1), 0, {}, 0xA1},
      {"length field below a whole frame", short_length, 0, {}, 0xA1},
      {"other command code, then a search reply", concat({other_code, reply}), 1, {"Studio1"}, 0xA1},
      {"two name patterns", search_reply(0x60, 1, "AB-1-CD-2-"), 2, {"AB", "AB-1-CD"}, 0x60},
      {"name area without separator", search_reply(0x60, 1, "NoSeparator"), 0, {}, 0x60},
      {"stops at the first search reply",
       concat({search_reply(0x60, 1, "A-1-"), search_reply(0x81, 2, "B-1-")}),
       1,
       {"A"},
       0x60},
  };
  for (const auto& c : cases) {
    serial_type = 0;
    entry0 = {};
    names.clear();
    EXPECT_EQ(scan(c.buffer), c.result) << c.what;
    EXPECT_EQ(names, c.names) << c.what;
    EXPECT_EQ(serial_type, c.recorded_type) << c.what;
  }
}

TEST_F(ScanFixture, ReplyArrivingInPiecesIsFoundOnceItsLastByteIsThere) {
  const Bytes reply = search_reply(0xA3, 0x01, "Serial-9-");
  ReassemblyBuffer buffer;
  std::size_t sent = 0;
  for (std::size_t piece : {3u, 4u, 10u, 5u}) {
    buffer.append(ByteView(reply.data() + sent, piece));
    sent += piece;
    EXPECT_EQ(scan(Bytes(buffer.view().begin(), buffer.view().end())), 0) << "after " << sent << " bytes";
  }
  buffer.append(ByteView(reply.data() + sent, reply.size() - sent));
  EXPECT_EQ(scan(Bytes(buffer.view().begin(), buffer.view().end())), 1);
  EXPECT_EQ(names.back(), "Serial");
  EXPECT_EQ(entry0.type, 0xA3);
  EXPECT_EQ(entry0.id, 0x01);
}

TEST_F(ScanFixture, RecordsTypeAndIdAsFarAsTheyHaveArrived) {
  const Bytes reply = search_reply(0xA5, 0x09, "Sw-1-");
  entry0.id = 0x55;
  EXPECT_EQ(scan(Bytes(reply.begin(), reply.begin() + 5)), 0);
  EXPECT_EQ(serial_type, 0xA5);
  EXPECT_EQ(entry0.type, 0xA5);
  EXPECT_EQ(entry0.id, 0x55) << "byte 5 has not arrived yet";
}

TEST_F(ScanFixture, StateReplyIsDecodedOnlyForA16WindowMultiviewer) {
  Bytes state_from_a4 = build_frame(0, 0xA4, 1, code::kMultiviewerState, Bytes(700, 0));
  EXPECT_EQ(scan(state_from_a4), 0);
  EXPECT_EQ(decoder_calls, 0);

  Bytes state_from_a1 = build_frame(0, 0xA1, 1, code::kMultiviewerState, Bytes(700, 0));
  EXPECT_EQ(scan(state_from_a1), 1);
  EXPECT_EQ(decoder_calls, 1);

  decoder_accepts = false;  // a reply too short for the decoder
  EXPECT_EQ(scan(state_from_a1), 0);
  EXPECT_EQ(decoder_calls, 2);
}

TEST_F(ScanFixture, WritesTheIndexOfTheCommandByteAndTheRecordedType) {
  scan(concat({Bytes{0x00, 0x00}, search_reply(0xA1, 1, "X-1-")}));
  const std::vector<std::string> expected_start = {"index = 18 \n", "m_main_com_dev_type = 0xa1 \n ",
                                                   "nameLength = 1  \n"};
  ASSERT_GE(diagnostics.size(), expected_start.size());
  EXPECT_EQ(std::vector<std::string>(diagnostics.begin(), diagnostics.begin() + 3), expected_start);
}

TEST(ReassemblyBuffer, OverflowDropsEverythingCollectedSoFar) {
  ReassemblyBuffer buffer;
  buffer.append(Bytes(1000, 0x11));
  buffer.append(Bytes(24, 0x22));
  EXPECT_EQ(buffer.count, 1024u);
  buffer.append(Bytes(1, 0x33));
  EXPECT_EQ(buffer.count, 1u);
  EXPECT_EQ(buffer.bytes[0], 0x33);
  EXPECT_EQ(buffer.bytes[1], 0x00) << "dropped content is cleared";
}

// An empty read (an empty vector has no storage at all) adds nothing and
// copies from nowhere; the sanitizer build catches a copy from a null source.
TEST(ReassemblyBuffer, EmptyAppendKeepsWhatWasCollected) {
  ReassemblyBuffer buffer;
  buffer.append(Bytes{0xA5, 0x6C});
  buffer.append(Bytes{});
  buffer.append(ByteView{});
  EXPECT_EQ(buffer.count, 2u);
  EXPECT_EQ(buffer.bytes[1], 0x6C);
}

struct NameCase {
  const char* what;
  Bytes frame;
  std::vector<std::string> names;
};

TEST(SearchNames, NameAreaRules) {
  const Bytes latin1_area = {0x00, 'C', 0xE9, '-', '1', '-'};
  const NameCase cases[] = {
      {"separator right at byte 18 gives an empty name", search_reply(1, 1, "-1-"), {""}},
      {"a 21-byte reply has no name area to speak of", build_frame(1, 1, 1, 0xFF, Bytes{0x00}), {}},
      {"a lone dash is no separator", search_reply(1, 1, "AB-"), {}},
      {"bytes above 0x7F are kept as they are", build_frame(1, 1, 1, 0xFF, latin1_area), {"C\xE9"}},
      {"text after the separator is not a name", search_reply(1, 1, "Cam-1-trailing"), {"Cam"}},
  };
  for (const auto& c : cases) EXPECT_EQ(find_device_names(c.frame), c.names) << c.what;
}

TEST(SearchNames, ShortBuffersAreSafe) {
  for (std::size_t n = 0; n < 22; ++n) EXPECT_TRUE(find_device_names(Bytes(n, '-')).empty()) << n;
}

}  // namespace
}  // namespace vela
