// The trace as JSON lines: each record one object with its fields derived
// from the raw bytes, the file writer of --trace, and the panel writing the
// trace of a demo search from start-up.
#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <algorithm>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <string>
#include <vector>

#include "hex_text.h"
#include "run_process.h"
#include "socket_address.h"
#include "temp_dir.h"
#include "trace.h"
#include "trace_file_writer.h"

namespace vela::test {
namespace {

const std::string kPanel = VELA_BUILD_DIR "/app/vela-panel";

// Every line of the file parsed as one JSON object; a line that is not
// fails the test.
std::vector<QJsonObject> json_lines(const std::string& path) {
  std::vector<QJsonObject> objects;
  std::ifstream file(path);
  std::string line;
  while (std::getline(file, line)) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
    EXPECT_TRUE(document.isObject()) << line;
    objects.push_back(document.object());
  }
  return objects;
}

std::vector<QJsonObject> written(ProtocolTrace& trace, const TempDir& dir) {
  const std::string path = dir.file("trace.jsonl");
  TraceFileWriter writer(trace);
  EXPECT_TRUE(writer.start(path)) << writer.error();
  writer.stop();
  return json_lines(path);
}

TEST(TraceFile, EachRecordIsOneObjectWithItsFieldsInWords) {
  ProtocolTrace trace;
  const Bytes state_read = build_frame(frame::kLinkUdp, 0xA1, 2, 0x32);
  const Bytes lock_reply = build_frame(frame::kLinkUdp, 0x81, 4, 0x50, Bytes{1});
  const Bytes partial_chunk = {0x6C, 0x14, 0x00};
  trace.record_udp(TraceDirection::Sent, make_address("127.0.0.2", 7000), state_read);
  trace.record_udp(TraceDirection::Received, make_address("127.0.0.4", 7001), lock_reply);
  trace.record_serial(TraceDirection::Received, "/dev/ttyUSB0", partial_chunk);
  ReplyWindow window;
  window.kind = ReplyWindowKind::UdpReply;
  window.purpose = "status poll";
  window.device.set_address("127.0.0.2");
  window.device.type = 0xA1;
  window.device.id = 2;
  window.code = 0x51;
  window.window_ms = 300;
  trace.record_no_reply(window);

  TempDir dir;
  const auto lines = written(trace, dir);
  ASSERT_EQ(lines.size(), 4u);
  const struct {
    const char* direction;
    const char* carrier;
    const char* peer;
    QJsonValue type, id, code;
    const char* command;
    int length;
    std::string hex;
  } expected[] = {
      {"sent", "udp", "127.0.0.2:7000", 0xA1, 2, 0x32, "state", 20, to_hex(state_read)},
      {"received", "udp", "127.0.0.4:7001", 0x81, 4, 0x50, "lock-query", 21, to_hex(lock_reply)},
      {"received", "serial", "/dev/ttyUSB0", QJsonValue::Null, QJsonValue::Null, QJsonValue::Null, "", 3, "6C 14 00"},
      {"no reply", "udp", "127.0.0.2", 0xA1, 2, 0x51, "status", 0, ""},
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(i);
    const QJsonObject& line = lines[i];
    EXPECT_EQ(line["direction"].toString(), expected[i].direction);
    EXPECT_EQ(line["carrier"].toString(), expected[i].carrier);
    EXPECT_EQ(line["peer"].toString(), expected[i].peer);
    EXPECT_EQ(line["device_type"], expected[i].type);
    EXPECT_EQ(line["device_id"], expected[i].id);
    EXPECT_EQ(line["code"], expected[i].code);
    EXPECT_EQ(line["command"].toString(), expected[i].command);
    EXPECT_EQ(line["length"].toInt(), expected[i].length);
    EXPECT_EQ(line["hex"].toString().toStdString(), expected[i].hex);
    const QDateTime time = QDateTime::fromString(line["time"].toString(), Qt::ISODateWithMs);
    EXPECT_TRUE(time.isValid()) << line["time"].toString().toStdString();
    EXPECT_LE(std::abs(time.secsTo(QDateTime::currentDateTimeUtc())), 60);
  }
  EXPECT_EQ(lines[3]["purpose"].toString(), "status poll");
  EXPECT_EQ(lines[3]["window_ms"].toInt(), 300);
  EXPECT_FALSE(lines[0].contains("purpose"));
}

TEST(TraceFile, RecordsTheRingDroppedBeforeTheWriterTookThemAreCounted) {
  ProtocolTrace trace(2);
  for (std::uint8_t i = 0; i < 5; ++i) trace.record_serial(TraceDirection::Sent, "/dev/pts/1", Bytes{i});
  TempDir dir;
  const auto lines = written(trace, dir);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0]["skipped"].toInt(), 3);
  EXPECT_EQ(lines[1]["hex"].toString(), "03");
  EXPECT_EQ(lines[2]["hex"].toString(), "04");
}

TEST(TraceFile, AFileThatCannotBeWrittenIsRefusedWithItsReason) {
  ProtocolTrace trace;
  TraceFileWriter writer(trace);
  EXPECT_FALSE(writer.start("/nonexistent/vela/trace.jsonl"));
  EXPECT_NE(writer.error().find("/nonexistent/vela/trace.jsonl"), std::string::npos);
  const ProcessResult result =
      run_process({kPanel, "-platform", "offscreen", "--trace", "/nonexistent/vela/trace.jsonl"});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_NE(result.err.find("--trace"), std::string::npos) << result.err;
}

TEST(TraceFile, ThePanelWritesTheDemoSearchAndTheFirstDevicesReadFromStartUp) {
  TempDir dir;
  const std::string path = dir.file("panel.jsonl");
  const ProcessResult result =
      run_process({kPanel, "-platform", "offscreen", "--demo", "--scan", "--list-and-quit", "--trace", path});
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const auto lines = json_lines(path);
  ASSERT_FALSE(lines.empty());
  std::vector<QString> answered;
  int search_requests = 0;
  bool state_read_sent = false;
  bool state_read_answered = false;
  for (const QJsonObject& line : lines) {
    const QString direction = line["direction"].toString();
    const QString command = line["command"].toString();
    if (command == "search" && direction == "sent") ++search_requests;
    if (command == "search" && direction == "received") answered.push_back(line["peer"].toString().section(':', 0, 0));
    // The first device listed is chosen, and its page reads its state.
    if (command == "state" && line["peer"].toString().startsWith("127.0.0.2:")) {
      state_read_sent |= direction == "sent";
      state_read_answered |= direction == "received" && line["device_type"].toInt() == 0xA1;
    }
  }
  EXPECT_EQ(search_requests, 1);
  std::sort(answered.begin(), answered.end());
  EXPECT_EQ(answered,
            (std::vector<QString>{"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5", "127.0.0.6", "127.0.0.7"}));
  EXPECT_TRUE(state_read_sent);
  EXPECT_TRUE(state_read_answered);
}

}  // namespace
}  // namespace vela::test
