// The simulated multiviewer in a running vela-devsim: the state and status
// reads over UDP and the serial line, the signal switches on the command
// line and on the control channel, silence, and a set-address request.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "frame.h"
#include "loopback.h"
#include "multiviewer_protocol.h"
#include "serial_peer.h"
#include "sim_log.h"
#include "sim_process.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;
namespace mv = multiviewer;

constexpr std::uint8_t kType = 0xA1;
constexpr std::uint8_t kId = 3;

WindowStatus status_with_signal(std::initializer_list<int> windows) {
  WindowStatus status{};
  for (const int w : windows) status[w - 1] = {1, 0};
  return status;
}

// One multiviewer on its own loopback address and a peer that talks to it.
class DevsimMultiviewer : public ::testing::Test {
 protected:
  void start(const std::string& extra = "") {
    const auto addrs = LoopbackRange::for_this_process().addresses(2);
    addr_ = addrs[0];
    port_ = free_udp_port(addrs);
    sim_ = std::make_unique<SimProcess>(std::vector<std::string>{"--port", std::to_string(port_), "--device",
                                                                 "type=0xA1,id=3,name=Wall,addr=" + addr_ + extra});
  }

  void send(std::uint8_t code, const Bytes& payload = {}) {
    peer_.send_to(addr_, port_, build_frame(frame::kLinkUdp, kType, kId, code, payload));
  }

  // The one reply to a read, from the device's own address.
  Bytes read(std::uint8_t code) {
    send(code);
    const auto replies = peer_.collect(1, 15s, 100ms);
    if (replies.size() != 1) {
      ADD_FAILURE() << replies.size() << " replies to code " << int(code);
      return {};
    }
    EXPECT_EQ(replies[0].addr, addr_);
    EXPECT_EQ(replies[0].port, port_);
    return replies[0].bytes;
  }

  // A control line the simulator must apply.
  void control(const std::string& line) { EXPECT_EQ(sim_->control(line).note, "") << line; }

  std::string addr_;
  std::uint16_t port_ = 0;
  std::unique_ptr<SimProcess> sim_;
  UdpPeer peer_;
};

TEST_F(DevsimMultiviewer, StateReplyCarriesWhatWasSetBefore) {
  start();
  send(mv::code::kLayout, mv::layout_payload(4));
  send(mv::code::kWindowSource, mv::window_source_payload(3, 5));
  send(mv::code::kLabelText, mv::label_text_payload(2, u"Studio A"));
  send(mv::code::kLabelBackColour, mv::colour_payload(0, 6));

  const Bytes reply = read(mv::code::kState);
  ASSERT_EQ(reply.size(), mv::state_reply::kFrameLength);
  EXPECT_EQ(reply[frame::kTypeOffset], kType);
  EXPECT_EQ(reply[frame::kIdOffset], kId);
  EXPECT_EQ(reply[frame::kLinkFlagOffset], frame::kLinkUdp);
  EXPECT_EQ(reply[frame::kCodeOffset], mv::code::kState);
  const auto state = mv::read_state_reply(reply);
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->layout_code, 4);
  EXPECT_EQ(state->sources[4], 3);
  EXPECT_EQ(state->sources[0], 1);
  EXPECT_EQ(mv::slot_label(state->labels[1]), u"Studio A");
  for (const std::uint8_t colour : state->label_back_colours) EXPECT_EQ(colour, 6);

  const auto records = SimLog(sim_->log_path()).wait_for(5);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].command, mv::command_name(mv::code::kLayout));
  EXPECT_EQ(records[2].command, mv::command_name(mv::code::kLabelText));
  EXPECT_EQ(records[4].command, mv::command_name(mv::code::kState));
}

TEST_F(DevsimMultiviewer, StatusFollowsTheSignalSwitchesAndTheControlChannel) {
  start(",signal=1-4,9");
  EXPECT_EQ(mv::read_status_reply(read(mv::code::kStatus)), status_with_signal({1, 2, 3, 4, 9}));

  control("signal Wall 2,16");
  EXPECT_EQ(mv::read_status_reply(read(mv::code::kStatus)), status_with_signal({2, 16}));
  const auto state = mv::read_state_reply(read(mv::code::kState));
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->status, status_with_signal({2, 16}));

  control("signal Wall none");
  EXPECT_EQ(mv::read_status_reply(read(mv::code::kStatus)), WindowStatus{});
}

TEST_F(DevsimMultiviewer, SilentDeviceAnswersNothingUntilToldToSpeak) {
  start();
  control("silent Wall on");
  send(mv::code::kState);
  send(mv::code::kStatus);
  EXPECT_TRUE(peer_.collect(1, 1s, 0ms).empty());
  // Silent, it still takes its commands.
  send(mv::code::kLayout, mv::layout_payload(9));

  control("silent Wall off");
  const auto state = mv::read_state_reply(read(mv::code::kState));
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->layout_code, 9);
}

TEST_F(DevsimMultiviewer, ControlLineItCannotApplyIsLoggedAndReported) {
  start();
  const std::string nobody = sim_->control("signal Nobody all").note;
  EXPECT_NE(nobody.find("Nobody"), std::string::npos) << nobody;
  EXPECT_NE(sim_->control("louder Wall on").note, "");
  EXPECT_NE(sim_->stderr_text().find("louder Wall on"), std::string::npos) << sim_->stderr_text();
  // The same line again is logged again.
  EXPECT_EQ(sim_->control("signal Wall all").note, "");
  EXPECT_EQ(sim_->control("signal Wall all").note, "");
  // The simulator goes on.
  EXPECT_EQ(read(mv::code::kStatus).size(), mv::status_reply::kFrameLength);
}

TEST_F(DevsimMultiviewer, SetAddressIsLoggedAndTheDeviceStaysWhereItIs) {
  start();
  const std::string asked = LoopbackRange::for_this_process().address(1);
  std::array<std::uint8_t, 4> octets{};
  ASSERT_EQ(std::sscanf(asked.c_str(), "%hhu.%hhu.%hhu.%hhu", &octets[0], &octets[1], &octets[2], &octets[3]), 4);
  send(code::kSetAddress, mv::set_address_payload(octets, {255, 0, 0, 0}, {127, 0, 0, 1}));

  const auto records = SimLog(sim_->log_path()).wait_for(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].command, "set-address");
  EXPECT_NE(records[0].note.find(asked), std::string::npos) << records[0].note;

  peer_.send_to(asked, port_, build_frame(frame::kLinkUdp, kType, kId, mv::code::kState));
  EXPECT_TRUE(peer_.collect(1, 1s, 0ms).empty()) << "the device moved to " << asked;
  EXPECT_EQ(read(mv::code::kState).size(), mv::state_reply::kFrameLength);
}

TEST(DevsimMultiviewerSerial, StateRequestIsAnsweredWithTheStateReply) {
  SimProcess sim({"--serial", "type=0xA1,id=1,name=Tty"});
  SerialPeer port(sim.pty_path());
  port.write(build_frame(frame::kLinkSerial, kType, 1, mv::code::kWindowSource, mv::window_source_payload(7, 2)));
  port.write(build_frame(frame::kLinkSerial, kType, 1, mv::code::kState));

  const Bytes reply = port.read(mv::state_reply::kFrameLength, 15s);
  ASSERT_EQ(reply.size(), mv::state_reply::kFrameLength);
  EXPECT_EQ(frame_length_field(reply), reply.size());
  EXPECT_EQ(reply[frame::kTypeOffset], kType);
  EXPECT_EQ(reply[frame::kLinkFlagOffset], frame::kLinkSerial);
  EXPECT_EQ(reply.back(), frame::kEnd);
  const auto state = mv::read_state_reply(reply);
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->sources[1], 7);
  EXPECT_EQ(state->layout_code, 16);
}

}  // namespace
}  // namespace vela::test
