// The UDP carrier against the device simulator on loopback: the network
// search and the request/reply exchange.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "link_session.h"
#include "loopback.h"
#include "loopback_studio.h"
#include "network_search.h"
#include "operator_message.h"
#include "sim_process.h"
#include "ticks.h"
#include "udp_exchange.h"
#include "device_entries.h"
#include "simulated_lan.h"
#include "udp_peer.h"

namespace vela {
namespace {

using test::LoopbackRange;
using test::SimProcess;
using test::SimulatedLan;

std::vector<std::string> list_texts(const std::vector<DiscoveredDevice>& found) {
  std::vector<std::string> texts;
  for (const auto& d : found) texts.push_back(d.list_text());
  return texts;
}

TEST_F(SimulatedLan, SearchListsDevicesAtTheirOwnAddressesInAnswerOrder) {
  start({"type=0xA1,id=1,name=Late,delay=700", "type=0xA4,id=2,name=First", "type=0x81,id=3,name=Middle,delay=300",
         "type=0xA5,id=4,name=Mute,silent", "type=0x60,id=5,name=Echo,twice,delay=1000",
         "type=0xA3,id=6,name=Noisy,foreign,delay=1300"});
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  const auto started = tick_ms();
  ASSERT_EQ(network_search(link, found), SearchStatus::Finished);
  const auto elapsed = tick_ms() - started;
  link.close();

  EXPECT_EQ(list_texts(found), (std::vector<std::string>{"First_" + device_address(1), "Middle_" + device_address(2),
                                                         "Late_" + device_address(0), "Echo_" + device_address(4),
                                                         "Echo_" + device_address(4), "Noisy_" + device_address(5)}));
  ASSERT_EQ(found.size(), 6u);
  EXPECT_EQ(found[0].entry.type, 0xA4);
  EXPECT_EQ(found[0].entry.id, 2);
  EXPECT_EQ(found[2].entry.type, 0xA1);
  EXPECT_EQ(found[5].entry.type, 0xA3);
  EXPECT_GE(elapsed, kSearchWindowMs) << "the search listens for its whole window";
  EXPECT_TRUE(diagnosed("create socket success \n"));
  EXPECT_TRUE(diagnosed("time over \n"));
}

TEST_F(SimulatedLan, AFullTableOfDevicesAnsweringInOneBurstIsListedWhole) {
  const test::LoopbackStudio studio(static_cast<int>(kDeviceTableSize));
  sim = std::make_unique<SimProcess>(studio.simulator_args());
  settings.device_port = studio.device_port();
  settings.local_port = test::free_udp_port();
  settings.broadcast = studio.listen_address();
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found), SearchStatus::Finished);
  EXPECT_EQ(list_texts(found), studio.list_texts()) << "every answer, in arrival order";
}

TEST_F(SimulatedLan, SearchNeverWritesPastTheDeviceTable) {
  // Each reply's name area holds many "-x-" patterns; together they name
  // more devices than the table holds.
  std::string many(96, '-');
  for (std::size_t i = 1; i < many.size(); i += 2) many[i] = 'x';
  start({"type=0xA1,id=1,name=" + many, "type=0xA1,id=2,name=" + many, "type=0xA1,id=3,name=" + many});
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found), SearchStatus::Finished);
  EXPECT_EQ(found.size(), kDeviceTableSize);
}

TEST_F(SimulatedLan, SearchDoesNotTakeAReplyLargerThanItsBuffer) {
  start({"type=0xA1,id=1,name=" + std::string(110, 'L'), "type=0xA4,id=2,name=Short"});
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  ASSERT_EQ(network_search(link, found), SearchStatus::Finished);
  EXPECT_EQ(list_texts(found), std::vector<std::string>{"Short_" + device_address(1)});
}

TEST_F(SimulatedLan, SearchSocketThatCannotBindFails) {
  start({"type=0xA1,id=1,name=A"});
  test::UdpPeer holder("0.0.0.0", settings.local_port);  // another program holds the local port
  UdpLink link(settings);
  std::vector<DiscoveredDevice> found;
  EXPECT_EQ(network_search(link, found), SearchStatus::SocketFailed);
  EXPECT_TRUE(diagnosed("bind  socket fail \n"));
  EXPECT_TRUE(found.empty());
}

struct ExchangeCase {
  const char* what;
  const char* device_config;
  bool answered;
  const char* diagnostic;
};

TEST_F(SimulatedLan, ExchangeTakesTheFirstDatagramThatPassesItsRule) {
  const ExchangeCase cases[] = {
      // 20 bytes of frame, byte 17, "Plain" and "-1-": 29 bytes.
      {"plain answer", "type=0xA1,id=1,name=Plain", true, "recv len is 29 \n"},
      {"foreign datagram first", "type=0xA1,id=1,name=Plain,foreign", true, "the cmd is not right \n"},
      {"late but inside the window", "type=0xA1,id=1,name=Plain,delay=100", true, "recv len is 29 \n"},
      {"silent", "type=0xA1,id=1,name=Plain,silent", false, "wait time over \n"},
      {"later than the window", "type=0xA1,id=1,name=Plain,delay=1500", false, "wait time over \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    diagnostics.clear();
    start({c.device_config});
    LinkSession session(settings);
    session.use_single_device(test::device_entry(0xA1, 1, device_address(0)));
    UdpExchangeOptions options;
    options.rule = ReplyRule::Code;
    options.code = code::kSearch;
    options.window_ms = 600;
    options.log_received_length = true;
    const auto reply =
        exchange_udp(session.udp_link(), session.current_device(), session.build_request(1, code::kSearch), options);
    EXPECT_EQ(reply.has_value(), c.answered);
    if (reply) {
      EXPECT_EQ((*reply)[frame::kCodeOffset], code::kSearch);
    }
    EXPECT_TRUE(diagnosed(c.diagnostic));
    EXPECT_EQ(session.udp_link().m_command_socket_fd, -1) << "the exchange closes its socket";
    sim.reset();
  }
}

TEST_F(SimulatedLan, AReplyFromAnotherHostIsTakenButDoesNotRedirectCommands) {
  start({"type=0xA1,id=1,name=Quiet,silent"});
  LinkSession session(settings);
  session.use_single_device(test::device_entry(0, 0, device_address(0)));
  test::UdpPeer stranger(range.address(9));
  const Bytes impostor_reply = build_frame(1, 0xA1, 1, 0x32, Bytes(10, 0));

  UdpExchangeOptions options;
  options.code = 0x32;
  options.window_ms = 1000;
  options.close_after = false;
  session.udp_link().prepare_command_socket(session.current_device());
  stranger.send_to("127.0.0.1", settings.local_port, impostor_reply);
  const auto reply =
      exchange_udp(session.udp_link(), session.current_device(), session.build_request(1, 0x32), options);
  ASSERT_TRUE(reply.has_value());
  EXPECT_EQ(session.udp_link().last_source_text(), range.address(9));
  EXPECT_EQ(address_text(session.udp_link().address_record), device_address(0));
  session.udp_link().close();
}

// Datagrams that pass the code rule but that the reader cannot decode are
// passed over; the wait goes on to the window's end.
TEST_F(SimulatedLan, ExchangePassesOverDatagramsTheReaderCannotDecode) {
  const Bytes foreign = build_frame(1, 0xA1, 1, 0x33, Bytes(4, 0));
  Bytes short_reply = build_frame(1, 0xA1, 1, 0x32);
  short_reply.resize(17);  // holds the code byte, but no whole frame
  const Bytes whole_reply = build_frame(1, 0xA1, 1, 0x32, Bytes(10, 0));
  const struct {
    const char* what;
    std::function<bool(ByteView)> decodable;
    std::optional<Bytes> taken;
    int hook_calls;
  } cases[] = {
      {"no hook", nullptr, short_reply, 0},
      {"hook wants a whole frame", [](ByteView d) { return d.size() >= frame::kOverhead; }, whole_reply, 2},
      {"hook refuses all", [](ByteView) { return false; }, std::nullopt, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    diagnostics.clear();
    start({"type=0xA1,id=1,name=Quiet,silent"});
    LinkSession session(settings);
    session.use_single_device(test::device_entry(0, 0, device_address(0)));
    test::UdpPeer stranger(range.address(9));

    int hook_calls = 0;
    UdpExchangeOptions options;
    options.code = 0x32;
    options.window_ms = 300;
    if (c.decodable) {
      options.decodable = [&](ByteView datagram) {
        ++hook_calls;
        return c.decodable(datagram);
      };
    }
    session.udp_link().prepare_command_socket(session.current_device());
    for (const Bytes& datagram : {foreign, short_reply, whole_reply}) {
      stranger.send_to("127.0.0.1", settings.local_port, datagram);
    }
    const auto reply =
        exchange_udp(session.udp_link(), session.current_device(), session.build_request(1, 0x32), options);
    EXPECT_EQ(reply, c.taken);
    EXPECT_EQ(hook_calls, c.hook_calls);
    EXPECT_EQ(diagnosed("wait time over \n"), !c.taken.has_value());
    EXPECT_TRUE(diagnosed("the cmd is not right \n")) << "the foreign datagram fails the rule first";
    sim.reset();
  }
}

TEST_F(SimulatedLan, CommandWithoutACurrentDeviceAsksForOneAndSendsNothing) {
  start({"type=0xA1,id=1,name=A"});
  LinkSession session(settings);
  session.send_command(0x33, Bytes{1});
  EXPECT_EQ(messages, std::vector<std::string>{"Please choose a device"});
  EXPECT_EQ(session.udp_link().m_command_socket_fd, -1);
}

}  // namespace
}  // namespace vela
