// The panel's readers against a hostile host: a device that answers every
// request first with forged and malformed datagrams (cut short, oversized,
// wrong codes, lying length fields, whole frames from another address) and
// a flood, then maybe its real answer. Run in the sanitizer build too:
// nothing may read past the bytes received.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "device_page_fixture.h"
#include "device_types.h"
#include "matrix_exchanges.h"
#include "multiviewer_exchanges.h"
#include "network_search.h"
#include "reply_window_recorder.h"
#include "rk2207_exchanges.h"
#include "switcher_exchanges.h"

namespace vela::test {
namespace {

template <class T>
std::string bytes_of(const T& value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string multiviewer_record(const PageContext& c) {
  const MultiviewerState& s = c.multiviewer();
  std::string r = bytes_of(s.m_settings) + bytes_of(s.m_window_source) + bytes_of(s.m_layout_window_count);
  for (const std::u16string& label : s.m_window_label)
    r += std::string(reinterpret_cast<const char*>(label.data()), label.size() * 2) + '|';
  return r;
}

// What the device reported, without where it came from (which carries the
// time of the read).
std::string rk2207_record(const PageContext& c) {
  const Rk2207State& s = c.rk2207();
  return bytes_of(s.show_mode) + bytes_of(s.output_format) + bytes_of(s.frame_colour_selector) +
         bytes_of(s.pip_child_ch) + bytes_of(s.loop_state) + bytes_of(s.signal_status);
}

struct HostileCase {
  const char* what;
  std::uint8_t type;
  const char* purpose;
  std::function<void(PageContext&)> read;
  // The part of the state records the read fills.
  std::function<std::string(const PageContext&)> record;
  // Readers that take only a reply of the expected code holding every byte
  // they read show either the device's state or what they held before. A
  // framing-rule reader (the matrix lock) and the camera-name answer take
  // any framed datagram of theirs, whoever sent it: the wire protocol
  // cannot tell a forgery from the device.
  bool shows_device_or_nothing;
};

const std::vector<HostileCase>& cases() {
  static const std::vector<HostileCase> all = {
      {"multiviewer state read", device_type::kMultiviewer16, "state read",
       [](PageContext& c) { multiviewer_exchanges::read_state(c.m_link, c.multiviewer(), c.record_changes()); },
       multiviewer_record, true},
      {"multiviewer status poll", device_type::kMultiviewer16, "status poll",
       [](PageContext& c) { multiviewer_exchanges::poll_status(c.m_link, c.multiviewer(), c.record_changes()); },
       [](const PageContext& c) { return bytes_of(c.multiviewer().m_window_status); }, true},
      {"RK2207 state read", device_type::kRk2207, "state read",
       [](PageContext& c) { rk2207_exchanges::read_state(c.m_link, c.rk2207()); },
       rk2207_record, true},
      {"matrix lock read", device_type::kMatrix, "lock read",
       [](PageContext& c) { matrix_exchanges::query_lock(c.m_link, c.matrix()); },
       [](const PageContext& c) { return bytes_of(c.matrix().m_buttons_locked); }, false},
      {"switcher camera name", device_type::kSwitcher, "camera name",
       [](PageContext& c) {
         // The switcher page keeps its socket open while it lives.
         c.m_link.udp_link().prepare_command_socket(c.m_link.current_device());
         switcher_exchanges::send_camera_name(c.m_link, c.camera_names(), 0);
       },
       [](const PageContext&) { return std::string(); }, false},
  };
  return all;
}

// Two devices of one type and id: an honest one that gives the reference
// state, and a hostile one the panel is pointed at.
struct HostileHostFixture : DevicePageFixture {
  std::uint16_t port = 0;
  std::string honest() const { return range.address(1); }
  std::string hostile() const { return range.address(2); }

  void start_pair(std::uint8_t type, int flood) {
    port = free_udp_port(range.addresses(LoopbackRange::kSize));
    char identity[32];
    std::snprintf(identity, sizeof identity, "type=0x%X,id=1", type);
    sim = std::make_unique<SimProcess>(std::vector<std::string>{
        "--port", std::to_string(port), "--broadcast-listen", range.address(0), "--device",
        std::string(identity) + ",name=Honest,addr=" + honest(), "--device",
        std::string(identity) + ",name=Hostile,hostile=" + std::to_string(flood) + ",addr=" + hostile()});
    fresh_context(type, hostile());
  }

  void fresh_context(std::uint8_t type, const std::string& address) {
    context.reset();
    LinkSettings settings;
    settings.device_port = port;
    settings.local_port = free_udp_port();
    settings.broadcast = range.address(0);
    make_context(settings, type);
    context->multiviewer().reset_labels();
    context->m_model_window_count = model_window_count(type);
    point_device_at(address);
  }

  // The command socket's destination is still the hostile device, and a
  // command sent now reaches it there.
  void expect_commands_reach(const std::string& address, const char* after) {
    const sockaddr_in& record = context->m_link.udp_link().address_record;
    if (record.sin_family == AF_INET) {
      char text[INET_ADDRSTRLEN] = {};
      inet_ntop(AF_INET, &record.sin_addr, text, sizeof text);
      EXPECT_EQ(text, address) << after;
      EXPECT_EQ(ntohs(record.sin_port), port) << after;
    }
    constexpr int kMarker = 0x7E;
    const auto from_hostile = [](const LogRecord& r) { return r.code == kMarker && r.device == "Hostile"; };
    const std::size_t before = SimLog(sim->log_path()).wait_for(0, from_hostile).size();
    if (context->m_link.udp_link().m_command_socket_fd >= 0) {
      context->m_link.udp_link().send(context->m_link.build_request(frame::kLinkUdp, kMarker));  // on the kept socket
    } else {
      EXPECT_TRUE(context->m_link.send_command(kMarker, {}, true));
    }
    EXPECT_EQ(SimLog(sim->log_path()).wait_for(before + 1, from_hostile).size(), before + 1) << after;
  }

  void TearDown() override { context.reset(); }
};

struct HostileRead : HostileHostFixture, ::testing::WithParamInterface<std::tuple<HostileCase, int>> {};

TEST_P(HostileRead, ShowsTheDeviceOrNothingAndKeepsItsAddress) {
  const auto& [c, flood] = GetParam();
  start_pair(c.type, flood);

  fresh_context(c.type, honest());
  c.read(*context);
  const std::string reference = c.record(*context);
  fresh_context(c.type, hostile());
  const std::string initial = c.record(*context);
  if (c.shows_device_or_nothing) {
    ASSERT_NE(reference, initial) << "the honest read must change the record";
  }

  ReplyWindowRecorder windows;
  constexpr int kReads = 2;
  for (int i = 0; i < kReads; ++i) {
    c.read(*context);
    const std::string shown = c.record(*context);
    if (c.shows_device_or_nothing) {
      EXPECT_TRUE(shown == reference || shown == initial) << c.what << ": a partly decoded or forged state";
    }
    expect_commands_reach(hostile(), c.what);
  }
  ASSERT_EQ(windows.with_purpose(c.purpose).size(), static_cast<std::size_t>(kReads));
  EXPECT_TRUE(windows.all_closed());
  std::printf("[ figures  ] %s, flood %d: %s\n", c.what, flood, windows.figures(c.purpose).c_str());
}

INSTANTIATE_TEST_SUITE_P(Readers, HostileRead,
                         ::testing::Combine(::testing::ValuesIn(cases()), ::testing::Values(0, 3000)),
                         [](const auto& info) {
                           std::string name = std::get<0>(info.param).what;
                           for (char& ch : name)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name + "_flood" + std::to_string(std::get<1>(info.param));
                         });

// The search meets name areas that never end, empty ones, oversized and cut
// answers, strangers and a flood. The honest device answers before the
// hostile one strikes and is always listed; the hostile one's answer, behind
// its forgeries, is listed when no flood pushed it out of the socket.
TEST_F(HostileHostFixture, SearchListsTheDevicesByTheirNames) {
  for (const int flood : {0, 3000}) {
    start_pair(device_type::kMultiviewer16, flood);
    ReplyWindowRecorder windows;
    std::vector<DiscoveredDevice> found;
    ASSERT_EQ(network_search(context->m_link.udp_link(), found), SearchStatus::Finished);
    context->m_link.udp_link().close();
    ASSERT_LE(found.size(), kDeviceTableSize);
    const auto listed = [&](const std::string& name, const std::string& address) {
      return std::any_of(found.begin(), found.end(), [&](const DiscoveredDevice& d) {
        return d.name == name && d.entry.address_text() == address && d.entry.type == device_type::kMultiviewer16;
      });
    };
    EXPECT_TRUE(listed("Honest", honest())) << "flood " << flood;
    if (flood == 0) {
      EXPECT_TRUE(listed("Hostile", hostile()));
    }
    for (const DiscoveredDevice& d : found) {
      EXPECT_LE(d.name.size(), frame::kSearchBuffer) << d.list_text();
      std::printf("[ listed   ] flood %d: %s\n", flood, d.list_text().c_str());
    }
    EXPECT_TRUE(windows.all_closed());
    std::printf("[ figures  ] search, flood %d: %zu entries, %s\n", flood, found.size(),
                windows.figures("search").c_str());
  }
}

}  // namespace
}  // namespace vela::test
