// Switcher commands on the wire: the worked frames, serial mode, and the
// camera-name exchange with each answer the switcher can give.
#include <atomic>
#include <thread>

#include "scripted_device.h"
#include "switcher_fixture.h"
#include "switcher_protocol.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

namespace sw = switcher;

using SwitcherLink = SwitcherPageFixture;

constexpr int kProgram3 = 1011, kCut = 1151;

// The camera-name diagnostics written so far, in order.
std::vector<std::string> name_lines(const DiagnosticRecorder& diagnostics) {
  static const std::vector<std::string> kLines = {"send ok \n", "send error \n", "wait time over \n",
                                                  "the cmd is not right \n", "read over \n"};
  std::vector<std::string> lines;
  for (const std::string& line : diagnostics.lines()) {
    if (std::find(kLines.begin(), kLines.end(), line) != kLines.end()) lines.push_back(line);
  }
  return lines;
}

TEST_F(SwitcherLink, TheWorkedFramesReachTheSwitcher) {
  start();
  open_page();
  press(kProgram3);
  switcher_exchanges::send(context->m_link, sw::code::kTransitionPosition, std::array<std::uint8_t, 2>{1, 64});
  press(kCut);
  switcher_exchanges::send(context->m_link, sw::code::kSliderRate, sw::byte_u16_payload(2, 500));
  context->camera_names()[1] = u"CAM";
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 1);

  const auto records = SimLog(sim->log_path()).wait_for(5);
  std::vector<std::string> frames;
  for (const LogRecord& r : records) frames.push_back(to_hex(r.bytes()));
  EXPECT_EQ(frames, (std::vector<std::string>{
                        "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE",
                        "A5 6C 16 00 A5 01 01 00 00 00 00 00 00 00 00 00 82 01 40 91 02 AE",
                        "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE",
                        "A5 6C 17 00 A5 01 01 00 00 00 00 00 00 00 00 00 A5 02 F4 01 6B 03 AE",
                        "A5 6C 22 00 A5 01 01 00 00 00 00 00 00 00 00 00 A6 02 01 00 01 00 01 00 01 43 00 41 00 4D 00 "
                        "57 03 AE",
                    }));
}

TEST_F(SwitcherLink, InSerialModeCommandsStillTravelOverUdpWithLinkFlag1) {
  start();
  context->m_link.set_connection_mode(connection_mode::kSerial);  // no serial port is open
  open_page();
  press(kProgram3);
  press(kCut);
  context->camera_names()[10] = u"MP";
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 10);
  const auto records = SimLog(sim->log_path()).wait_for(3);
  ASSERT_EQ(records.size(), 3u);
  for (const LogRecord& r : records) {
    EXPECT_EQ(r.carrier, "udp");
    EXPECT_EQ(r.bytes()[frame::kLinkFlagOffset], frame::kLinkUdp) << r.command;
  }
  EXPECT_EQ(records[2].bytes()[frame::kPayloadOffset], 11) << "MP 1 is camera number 11";
  EXPECT_EQ(name_lines(diagnostics), (std::vector<std::string>{"send ok \n", "read over \n"}));
}

TEST_F(SwitcherLink, CamForCamera2IsAcceptedRefusedOrUnanswered) {
  struct Case {
    const char* options;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {"send ok \n", "read over \n"}},
      {",names=refuse", {"send error \n", "read over \n"}},
      {",names=silent", {"wait time over \n", "read over \n"}},
      // A datagram of another command first: not this answer, the wait goes on.
      {",foreign", {"the cmd is not right \n", "send ok \n", "read over \n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    page.reset();
    start(c.options);
    open_page();
    diagnostics.clear();
    context->camera_names()[1] = u"CAM";
    switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 1);
    EXPECT_EQ(name_lines(diagnostics), c.lines);
    EXPECT_EQ(context->camera_names()[1], u"CAM") << "the name stays stored whatever the answer";
    EXPECT_NE(context->m_link.udp_link().m_command_socket_fd, -1) << "the page's socket stays open";
  }
}

// The device played by the test answers a name with a datagram that holds
// the code but ends before the status byte, then with a refusal.
TEST_F(SwitcherLink, AnAnswerEndingBeforeItsStatusByteIsNotRightAndTheWaitGoesOn) {
  Bytes cut_short = build_frame(frame::kLinkUdp, 0xA5, 1, sw::code::kCameraName, Bytes{sw::camera_name::kAccepted});
  cut_short.resize(frame::kPayloadOffset);
  const Bytes refusal = build_frame(frame::kLinkUdp, 0xA5, 1, sw::code::kCameraName, Bytes{sw::camera_name::kRefused});
  ScriptedDevice device(range.address(1), {{sw::code::kCameraName, {cut_short, refusal}}});
  LinkSettings settings;
  settings.device_port = device.port();
  settings.local_port = free_udp_port();
  make_context(settings, device_type::kSwitcher);
  point_device_at(range.address(1));
  open_page();
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 4);
  EXPECT_EQ(name_lines(diagnostics),
            (std::vector<std::string>{"the cmd is not right \n", "send error \n", "read over \n"}));
}

// The socket lives as long as the page, so an answer that came too late for
// one name waits on it when the next name goes out.
TEST_F(SwitcherLink, ALateAnswerToAnEarlierNameIsNotTakenForTheNextOne) {
  start(",twice");
  open_page();
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 0);
  sim->control("silent Gallery on");  // the second copy of the answer is queued by now
  diagnostics.clear();
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 1);
  EXPECT_EQ(name_lines(diagnostics), (std::vector<std::string>{"wait time over \n", "read over \n"}));
}

TEST_F(SwitcherLink, AnAnswerFromElsewhereDoesNotRedirectCommands) {
  start(",names=silent");
  open_page();
  // Another host keeps sending an acknowledgement to the panel's port.
  std::atomic<bool> stop{false};
  std::thread stranger([&] {
    UdpPeer peer(range.address(2));
    const Bytes ack = build_frame(frame::kLinkUdp, 0xA5, 1, sw::code::kCameraName, Bytes{sw::camera_name::kAccepted});
    while (!stop) {
      peer.send_to("127.0.0.1", context->m_link.udp_link().settings().local_port, ack);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  switcher_exchanges::send_camera_name(context->m_link, context->camera_names(), 2);
  stop = true;
  stranger.join();
  EXPECT_EQ(diagnostics.count("send ok \n"), 1u) << "the stranger's answer is taken, as any answer would be";
  EXPECT_EQ(context->m_link.udp_link().last_source_text(), range.address(2));
  press(kProgram3);
  EXPECT_EQ(wait_for_code(sw::code::kProgramSelect).size(), 1u) << "the switcher still gets the command";
  EXPECT_EQ(address_text(context->m_link.udp_link().address_record), device_address());
}

}  // namespace
}  // namespace vela::test
