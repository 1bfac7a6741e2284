// The UDP carrier's own results on loopback: whether a datagram left, what a
// failed bind leaves behind, and where a prepared command socket points.
#include "udp_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "link_session.h"
#include "loopback.h"
#include "pty_peer.h"
#include "text_recorders.h"
#include "udp_peer.h"

namespace vela {
namespace {

using std::chrono::seconds;
using test::LoopbackRange;
using test::UdpPeer;

class UdpLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.device_port = test::free_udp_port(range_.addresses(LoopbackRange::kSize));
    settings_.local_port = test::free_udp_port();
  }

  DeviceEntry device_at(const std::string& address) const {
    DeviceEntry entry;
    entry.set_address(address);
    entry.type = 0xA4;
    entry.id = 3;
    return entry;
  }
  bool diagnosed_starting(const std::string& prefix) const {
    const auto lines = diagnostics_.lines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  }
  // The next datagram the peer receives (a guard against a hang, not a timing check).
  static Bytes next_datagram(UdpPeer& peer) {
    const auto got = peer.receive(seconds(10));
    return got ? got->bytes : Bytes{};
  }

  LoopbackRange range_ = LoopbackRange::for_this_process();
  LinkSettings settings_;
  test::DiagnosticRecorder diagnostics_;
  test::OperatorMessageRecorder messages_;
};

TEST_F(UdpLinkTest, SendReportsWhetherTheDatagramLeft) {
  UdpPeer device(range_.address(1), settings_.device_port);
  const struct {
    const char* what;
    std::string address;
    std::uint16_t device_port;
    bool prepared;
    bool sent;
  } cases[] = {
      {"to the device", range_.address(1), settings_.device_port, true, true},
      {"to port 0", range_.address(1), 0, true, false},
      {"to an address text that is no address", "127.0.0.999", settings_.device_port, true, false},
      {"without a socket", range_.address(1), settings_.device_port, false, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    SCOPED_TRACE(c.what);
    diagnostics_.clear();
    LinkSettings settings = settings_;
    settings.device_port = c.device_port;
    UdpLink link(settings);
    const DeviceEntry entry = device_at(c.address);
    if (c.prepared) {
      ASSERT_TRUE(link.prepare_command_socket(&entry));
    }
    EXPECT_EQ(link.send(build_frame(1, 0xA4, 3, static_cast<std::uint8_t>(0x40 + i))), c.sent);
    EXPECT_EQ(diagnosed_starting("send to "), c.prepared && !c.sent) << "a refused send is diagnosed";
  }
  // Only the first case reached the device: the next datagram after it is a marker.
  UdpLink link(settings_);
  const DeviceEntry entry = device_at(range_.address(1));
  ASSERT_TRUE(link.prepare_command_socket(&entry));
  ASSERT_TRUE(link.send(build_frame(1, 0xA4, 3, 0x7F)));
  EXPECT_EQ(next_datagram(device), build_frame(1, 0xA4, 3, 0x40));
  EXPECT_EQ(next_datagram(device), build_frame(1, 0xA4, 3, 0x7F));
}

TEST_F(UdpLinkTest, AFailedBindLeavesNoSocket) {
  const DeviceEntry entry = device_at(range_.address(1));
  const struct {
    const char* what;
    bool search;
    const char* diagnostic;
  } cases[] = {{"search socket", true, "bind  socket fail \n"}, {"command socket", false, "bind err\n"}};
  UdpPeer holder("0.0.0.0", settings_.local_port);  // another program holds the local port
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    diagnostics_.clear();
    UdpLink link(settings_);
    EXPECT_FALSE(c.search ? link.prepare_search_socket() : link.prepare_command_socket(&entry));
    EXPECT_EQ(link.m_command_socket_fd, -1);
    EXPECT_EQ(diagnostics_.count(c.diagnostic), 1u);
    EXPECT_FALSE(link.send(build_search_request(1)));
  }
}

// An open socket is reused, but always towards the device it is prepared for.
TEST_F(UdpLinkTest, APreparedSocketPointsAtTheCurrentDevice) {
  UdpPeer first(range_.address(1), settings_.device_port);
  UdpPeer second(range_.address(2), settings_.device_port);
  const DeviceEntry first_entry = device_at(range_.address(1));
  const DeviceEntry second_entry = device_at(range_.address(2));
  UdpLink link(settings_);

  ASSERT_TRUE(link.prepare_command_socket(&first_entry));
  const int socket = link.m_command_socket_fd;
  ASSERT_TRUE(link.send(build_frame(1, 0xA4, 3, 0x01)));
  ASSERT_TRUE(link.prepare_command_socket(&second_entry));
  EXPECT_EQ(link.m_command_socket_fd, socket);
  EXPECT_EQ(diagnostics_.lines().back(), "m_udpSockfd have on live \n");
  ASSERT_TRUE(link.send(build_frame(1, 0xA4, 3, 0x02)));
  EXPECT_EQ(next_datagram(first), build_frame(1, 0xA4, 3, 0x01));
  EXPECT_EQ(next_datagram(second), build_frame(1, 0xA4, 3, 0x02));

  // With no current device there is nothing to point at: the socket goes.
  EXPECT_FALSE(link.prepare_command_socket(nullptr));
  EXPECT_EQ(link.m_command_socket_fd, -1);
  EXPECT_EQ(messages_.lines(), std::vector<std::string>{"Please choose a device"});
}

TEST_F(UdpLinkTest, SendCommandReportsWhetherTheFrameLeft) {
  UdpPeer device(range_.address(1), settings_.device_port);
  test::PtyPeer line;
  const Bytes payload = {0x02};
  const struct {
    const char* what;
    std::int32_t mode;
    bool with_device;
    bool local_port_held;
    bool port_open;
    bool sent;
  } cases[] = {
      {"network", connection_mode::kNetwork, true, false, false, true},
      {"network, local port held", connection_mode::kNetwork, true, true, false, false},
      {"network, no current device", connection_mode::kNetwork, false, false, false, false},
      {"serial, port open", connection_mode::kSerial, true, false, true, true},
      {"serial, port closed", connection_mode::kSerial, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LinkSession session(settings_);
    session.use_single_device(device_at(range_.address(1)));
    if (!c.with_device) session.choose_device(-1);
    session.set_connection_mode(c.mode);
    if (c.port_open) {
      ASSERT_TRUE(session.serial_port().open(line.path(), 115200));
    }
    std::optional<UdpPeer> holder;
    if (c.local_port_held) holder.emplace("0.0.0.0", settings_.local_port);
    EXPECT_EQ(session.send_command(0x33, payload), c.sent);
    EXPECT_EQ(session.udp_link().m_command_socket_fd, -1);
    if (c.port_open) {
      // Read while the port is open: closing it discards what the line still holds.
      EXPECT_EQ(line.read(frame::kOverhead + 1), build_frame(frame::kLinkSerial, 0xA4, 3, 0x33, payload));
    }
  }
  // What left arrived; nothing else came before the marker.
  LinkSession session(settings_);
  session.use_single_device(device_at(range_.address(1)));
  ASSERT_TRUE(session.send_command(0x7F));
  EXPECT_EQ(next_datagram(device), build_frame(1, 0xA4, 3, 0x33, payload));
  EXPECT_EQ(next_datagram(device), build_frame(1, 0xA4, 3, 0x7F));
}

}  // namespace
}  // namespace vela
