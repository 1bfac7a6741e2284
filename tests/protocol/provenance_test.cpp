// Where a record's parts came from: a decoded reply confirms them, a reply
// that cannot be decoded leaves them as they were, and the texts the pages
// show for each origin.
#include <gtest/gtest.h>

#include "multiviewer_protocol.h"
#include "device_types.h"
#include "provenance.h"
#include "rk2207_protocol.h"

namespace vela {
namespace {

TEST(Provenance, EachOriginHasItsText) {
  Provenance origin;
  EXPECT_FALSE(origin.known());
  EXPECT_EQ(origin.describe(), "not known");
  origin.mark_sent();
  EXPECT_TRUE(origin.known());
  EXPECT_EQ(origin.describe(), "sent, not read back");
  origin.confirm();
  EXPECT_EQ(origin.origin(), Origin::Confirmed);
  const std::string text = origin.describe();
  ASSERT_EQ(text.size(), std::string("confirmed 14:02:07").size()) << text;
  EXPECT_EQ(text.substr(0, 10), "confirmed ");
  EXPECT_EQ(text[12], ':');
  origin.forget();
  EXPECT_EQ(origin.describe(), "not known");
}

TEST(Provenance, OnlyAWholeDecodedReplyConfirms) {
  rk2207::StateReply reply;
  reply.show_mode = 5;
  const Bytes whole =
      build_frame(frame::kLinkUdp, device_type::kRk2207, 1, rk2207::code::kState, rk2207::state_reply_payload(reply));
  Rk2207State record;
  ASSERT_FALSE(rk2207::decode_state_reply(ByteView(whole.data(), whole.size() - 1), record));
  EXPECT_FALSE(record.reported_origin.known()) << "a short reply confirms nothing";
  ASSERT_EQ(rk2207::decode_state_reply(whole, record), 5);
  EXPECT_EQ(record.reported_origin.origin(), Origin::Confirmed);

  MultiviewerState state;
  const Bytes state_reply = build_frame(frame::kLinkUdp, device_type::kMultiviewer16, 1, code::kMultiviewerState,
                                        multiviewer::state_reply_payload({}));
  ASSERT_FALSE(multiviewer::decode_state_reply(ByteView(state_reply.data(), 40), state,
                                               multiviewer::DecodeStatus::Take, multiviewer::DecodeDiagnostics::Off));
  EXPECT_FALSE(state.settings_origin.known());
  ASSERT_TRUE(multiviewer::decode_state_reply(state_reply, state, multiviewer::DecodeStatus::Skip,
                                              multiviewer::DecodeDiagnostics::Off));
  EXPECT_TRUE(state.settings_origin.known());
  EXPECT_FALSE(state.status_origin.known()) << "a reply whose status is skipped does not confirm the status";
  ASSERT_TRUE(multiviewer::decode_state_reply(state_reply, state, multiviewer::DecodeStatus::Take,
                                              multiviewer::DecodeDiagnostics::Off));
  EXPECT_TRUE(state.status_origin.known());
}

}  // namespace
}  // namespace vela
