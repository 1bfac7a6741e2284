// The device reads as the panel's pages run them, against a device the test
// plays on loopback: what each read asks, what it takes into the record
// from a whole reply, and what it leaves when no such reply comes.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "device_types.h"
#include "hex_text.h"
#include "loopback_device_link.h"
#include "matrix_exchanges.h"
#include "matrix_protocol.h"
#include "multiviewer_exchanges.h"
#include "multiviewer_protocol.h"
#include "record_changes.h"
#include "rk2207_exchanges.h"
#include "rk2207_protocol.h"
#include "text_recorders.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;

// Every notice the records gave, in order.
struct NoticeRecord {
  RecordChanges changes;
  std::vector<RecordPart> parts;
  RecordChanges::Subscription subscription = changes.observe([this](RecordPart part) { parts.push_back(part); });
};

Bytes cut_short(Bytes frame) {
  frame.pop_back();
  return frame;
}

struct DeviceExchanges : ::testing::Test, LoopbackDeviceLink {
  DiagnosticRecorder diagnostics;

  // The request the device received first, once the read is over.
  std::string first_request() const {
    const std::vector<Bytes> received = device->datagrams();
    return received.empty() ? std::string("nothing") : to_hex(received.front());
  }
};

TEST_F(DeviceExchanges, TheMatrixLockReadTakesTheLockFromAReplyAndKeepsItWithoutOne) {
  const char* kQuery = "A5 6C 14 00 81 01 01 00 00 00 00 00 00 00 00 00 50 F8 01 AE";
  struct Case {
    const char* name;
    std::vector<Bytes> replies;
    std::uint8_t before;
    std::uint8_t after;
    bool taken;
  };
  const Bytes locked = parse_hex("A5 6C 16 00 81 01 01 00 00 00 00 00 00 00 00 00 50 00 02 FC 01 AE");
  const Bytes unlocked = parse_hex("A5 6C 16 00 81 01 01 00 00 00 00 00 00 00 00 00 50 07 00 01 02 AE");
  const Case cases[] = {
      {"a locked device", {locked}, 0, 2, true},
      {"an unlocked device", {unlocked}, 1, 0, true},
      {"an echo of the query, then the reply", {parse_hex(kQuery), locked}, 0, 2, true},
      {"an echo of the query alone", {parse_hex(kQuery)}, 1, 1, false},
      {"a silent device", {}, 1, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkSession& session = connect(device_type::kMatrix, {{matrix::code::kLockQuery, c.replies}});
    MatrixState state;
    state.m_buttons_locked = c.before;
    state.lock_origin.confirm();
    EXPECT_EQ(matrix_exchanges::query_lock(session, state), c.taken);
    EXPECT_EQ(state.m_buttons_locked, c.after);
    EXPECT_EQ(state.lock_origin.known(), c.taken) << "a lock kept without a reply is no longer known";
    if (!c.replies.empty()) {
      EXPECT_EQ(first_request(), kQuery);
    }
  }
}

TEST_F(DeviceExchanges, TheMultiviewerStateReadFillsTheRecordAndAnnouncesTheSettings) {
  mv::StateReplyFields fields;
  fields.layout_code = 9;
  fields.resolution_code = 14;
  fields.lock = 1;
  fields.labels[2] = mv::label_slot(u"CAM C");
  const Bytes whole =
      build_frame(frame::kLinkUdp, device_type::kMultiviewer16, 1, mv::code::kState, mv::state_reply_payload(fields));
  struct Case {
    const char* name;
    std::int32_t mode;
    std::vector<Bytes> replies;
    bool filled;
    std::vector<RecordPart> notices;
  };
  const std::vector<RecordPart> settings{RecordPart::MultiviewerSettings};
  const Case cases[] = {
      {"a whole reply", connection_mode::kNetwork, {whole}, true, settings},
      {"a reply cut short", connection_mode::kNetwork, {cut_short(whole)}, false, settings},
      {"a silent device", connection_mode::kNetwork, {}, false, settings},
      // Nothing can be asked over a serial port that is not open.
      {"serial mode, port closed", connection_mode::kSerial, {whole}, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkSession& session = connect(device_type::kMultiviewer16, {{mv::code::kState, c.replies}});
    session.set_connection_mode(c.mode);
    MultiviewerState state;
    state.m_layout_window_count = 4;
    state.m_window_label.fill(u"old");
    state.settings_origin.confirm();
    NoticeRecord notices;
    multiviewer_exchanges::read_state(session, state, notices.changes);
    // A read that was asked and failed leaves the values but not their
    // standing; a read never asked changes nothing.
    EXPECT_EQ(state.settings_origin.known(), c.filled || c.notices.empty());
    EXPECT_EQ(state.m_layout_window_count, c.filled ? 9 : 4);
    EXPECT_EQ(state.m_settings.lock_state, c.filled ? 1 : 0);
    EXPECT_EQ(state.m_window_label[2], c.filled ? u"CAM C" : u"old");
    EXPECT_EQ(state.state_read, c.notices.empty() ? 0 : 1) << "a read that was asked counts as read";
    EXPECT_EQ(notices.parts, c.notices);
    if (c.mode == connection_mode::kNetwork && !c.replies.empty()) {
      EXPECT_EQ(first_request(), "A5 6C 14 00 A1 01 01 00 00 00 00 00 00 00 00 00 32 FA 01 AE");
    }
  }
}

TEST_F(DeviceExchanges, TheStatusPollShowsOnlyWhatTheDeviceAnsweredNow) {
  WindowStatus lit{};
  lit[0] = {1, 0};
  lit[5] = {1, 0};
  const Bytes answer =
      build_frame(frame::kLinkUdp, device_type::kMultiviewer16, 1, mv::code::kStatus, mv::status_reply_payload(lit));
  WindowStatus all_lit{};
  all_lit.fill({1, 1});
  struct Case {
    const char* name;
    std::vector<Bytes> replies;
    WindowStatus after;
  };
  const Case cases[] = {
      {"an answer", {answer}, lit},
      {"an answer cut short", {cut_short(answer)}, WindowStatus{}},
      {"a silent device", {}, WindowStatus{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkSession& session = connect(device_type::kMultiviewer16, {{mv::code::kStatus, c.replies}});
    MultiviewerState state;
    state.m_window_status = all_lit;
    state.status_origin.confirm();
    NoticeRecord notices;
    multiviewer_exchanges::poll_status(session, state, notices.changes);
    EXPECT_EQ(state.m_window_status, c.after);
    EXPECT_EQ(state.status_origin.known(), c.after == lit) << "cleared lamps are not a report";
    EXPECT_EQ(notices.parts, std::vector<RecordPart>{RecordPart::MultiviewerStatus});
  }
}

TEST_F(DeviceExchanges, TheRk2207ReadReturnsTheShowModeOrNothing) {
  rk2207::StateReply reply;
  reply.show_mode = 9;
  reply.output_format = 7;
  reply.loop_state = 1;
  const Bytes whole =
      build_frame(frame::kLinkUdp, device_type::kRk2207, 1, rk2207::code::kState, rk2207::state_reply_payload(reply));
  struct Case {
    const char* name;
    std::vector<Bytes> replies;
    std::optional<std::uint8_t> show_mode;
  };
  const Case cases[] = {
      {"a whole reply", {whole}, 9},
      {"a reply cut short", {cut_short(whole)}, std::nullopt},
      {"a silent device", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkSession& session = connect(device_type::kRk2207, {{rk2207::code::kState, c.replies}});
    Rk2207State state;
    diagnostics.clear();
    EXPECT_EQ(rk2207_exchanges::read_state(session, state), c.show_mode);
    EXPECT_EQ(state.output_format, c.show_mode ? 7 : 0);
    EXPECT_EQ(state.loop_state, c.show_mode ? 1 : 0);
    ASSERT_FALSE(diagnostics.lines().empty());
    EXPECT_EQ(diagnostics.lines().back(), "read over \n") << "the read ends so either way";
    if (!c.replies.empty()) {
      EXPECT_EQ(first_request(), "A5 6C 14 00 60 01 01 00 00 00 00 00 00 00 00 00 90 17 02 AE");
    }
  }
}

}  // namespace
}  // namespace vela::test
