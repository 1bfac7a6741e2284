// The panel through a lossy network: the simulator loses, duplicates,
// reorders and delays every datagram both ways while the operator searches,
// opens a multiviewer and polls its status, works a switcher and a matrix.
// Nothing may crash or hang, every reply window closes, the pages stay
// usable, and whatever the device confirmed is what the panel shows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin_button.h"
#include "device_entries.h"
#include "device_page.h"
#include "gui_test_environment.h"
#include "loopback.h"
#include "main_window.h"
#include "matrix/matrix_page.h"
#include "matrix_exchanges.h"
#include "matrix_protocol.h"
#include "multiviewer/multiviewer_page.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_protocol.h"
#include "reply_window_recorder.h"
#include "sim_log.h"
#include "sim_process.h"
#include "switcher/switcher_page.h"
#include "switcher_exchanges.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using namespace std::chrono_literals;
namespace mv = multiviewer;

struct Lossiness {
  const char* what;
  int delay_ms;   // each way
  int jitter_ms;  // each way
};

// What a multiviewer state read fills.
std::string multiviewer_record(const MultiviewerState& s) {
  std::string r(reinterpret_cast<const char*>(&s.m_settings), sizeof s.m_settings);
  r += std::string(reinterpret_cast<const char*>(s.m_window_source.data()), s.m_window_source.size());
  r += static_cast<char>(s.m_layout_window_count);
  for (const std::u16string& label : s.m_window_label)
    r += std::string(reinterpret_cast<const char*>(label.data()), label.size() * 2) + '|';
  return r;
}

struct Device {
  const char* name;
  std::uint8_t type;
  std::uint8_t id;
};
const std::vector<Device> kDevices = {{"Gallery", 0xA1, 1}, {"Mixer", 0xA5, 2}, {"Router", 0x81, 3}};

struct LossyNetwork : ::testing::TestWithParam<Lossiness> {
  LoopbackRange range = LoopbackRange::for_this_process();
  std::unique_ptr<SimProcess> sim;
  PanelOptions options;
  std::unique_ptr<MainWindow> window;
  DiagnosticRecorder diagnostics;

  std::string address(int i) const { return range.address(i + 1); }

  void SetUp() override {
    take_operator_messages();
    const Lossiness& l = GetParam();
    const std::uint16_t port = free_udp_port(range.addresses(LoopbackRange::kSize));
    std::vector<std::string> args = {"--port",
                                     std::to_string(port),
                                     "--broadcast-listen",
                                     range.address(0),
                                     "--loss",
                                     "30",
                                     "--duplicate",
                                     "20",
                                     "--reorder",
                                     "20",
                                     "--delay",
                                     std::to_string(l.delay_ms),
                                     "--jitter",
                                     std::to_string(l.jitter_ms),
                                     "--seed",
                                     "2026"};
    for (std::size_t i = 0; i < kDevices.size(); ++i) {
      char config[96];
      std::snprintf(config, sizeof config, "type=0x%X,id=%u,name=%s,addr=%s", kDevices[i].type, kDevices[i].id,
                    kDevices[i].name, address(static_cast<int>(i)).c_str());
      args.insert(args.end(), {"--device", config});
    }
    sim = std::make_unique<SimProcess>(args);
    options.link.device_port = port;
    options.link.local_port = free_udp_port();
    options.link.broadcast = range.address(0);
    window = std::make_unique<MainWindow>(options);
    window->initialise();
  }

  void TearDown() override { window.reset(); }

  // The table as a complete search would leave it.
  void list_every_device() {
    window->close_current_page();
    window->device_list()->clear();
    std::vector<DeviceEntry> entries;
    for (std::size_t i = 0; i < kDevices.size(); ++i) {
      entries.push_back(device_entry(kDevices[i].type, kDevices[i].id, address(static_cast<int>(i))));
      window->device_list()->addItem(kDevices[i].name);
    }
    list_found_devices(window->m_link, entries);
  }

  void select(int index) {
    window->m_link.choose_device(index);
    window->select_device();
  }

  // Asks device `index` itself, as often as the lossy network needs, for
  // the reply of `code` (reads change nothing on the device).
  Bytes ask_device(int index, std::uint8_t code) {
    UdpPeer peer(range.address(14));
    const Bytes request = build_frame(frame::kLinkUdp, kDevices[index].type, kDevices[index].id, code);
    for (int attempt = 0; attempt < 30; ++attempt) {
      peer.send_to(address(index), options.link.device_port, request);
      const auto until = std::chrono::steady_clock::now() + 700ms;
      while (std::chrono::steady_clock::now() < until) {
        const auto reply = peer.receive(100ms);
        if (reply && reply->bytes.size() > frame::kCodeOffset && reply->bytes[frame::kCodeOffset] == code)
          return reply->bytes;
      }
    }
    ADD_FAILURE() << kDevices[index].name << " never answered code " << int(code);
    return {};
  }

  template <class Page>
  Page* page() const {
    return qobject_cast<Page*>(window->m_device_page);
  }
};

TEST_P(LossyNetwork, ASessionOnEveryPageShowsOnlyWhatTheDevicesConfirmed) {
  ReplyWindowRecorder windows;

  // Search: whatever got through is listed truthfully.
  window->network_search();
  const int listed = window->m_link.found_device_count();
  for (int i = 0; i < listed; ++i) {
    const DeviceEntry& entry = window->m_link.devices()[static_cast<std::size_t>(i)];
    const auto known = std::find_if(kDevices.begin(), kDevices.end(),
                                    [&](const Device& d) { return d.type == entry.type && d.id == entry.id; });
    ASSERT_NE(known, kDevices.end()) << "entry " << i;
    const int index = static_cast<int>(known - kDevices.begin());
    EXPECT_EQ(entry.address_text(), address(index));
    EXPECT_EQ(window->device_list()->itemText(i).toStdString(), std::string(known->name) + "_" + address(index));
  }
  list_every_device();

  // Multiviewer: the page reads the state as it opens, then polls status.
  select(0);
  auto* multiviewer = page<MultiviewerPage>();
  ASSERT_NE(multiviewer, nullptr);
  auto* status = qobject_cast<MultiviewerStatusTab*>(multiviewer->sub_page());
  ASSERT_NE(status, nullptr) << "the page opens on its status";
  constexpr int kPolls = 3;
  for (int i = 0; i < kPolls; ++i) status->on_timer();
  const bool status_confirmed = windows.with_purpose("status poll").back().outcome == ReplyWindowOutcome::Replied;
  const WindowStatus shown_status = window->multiviewer().m_window_status;
  // Away to another sub-page and back: the page is usable and reads again.
  QTest::mouseClick(multiviewer->sub_page_button(static_cast<int>(MultiviewerSubPage::Control)), Qt::LeftButton);
  ASSERT_EQ(multiviewer->shown_sub_page(), static_cast<int>(MultiviewerSubPage::Control));
  const std::string before_read = multiviewer_record(window->multiviewer());
  QTest::mouseClick(multiviewer->sub_page_button(static_cast<int>(MultiviewerSubPage::Status)), Qt::LeftButton);
  ASSERT_EQ(multiviewer->shown_sub_page(), static_cast<int>(MultiviewerSubPage::Status));
  const bool state_confirmed = windows.with_purpose("state read").back().outcome == ReplyWindowOutcome::Replied;
  const std::string shown_state = multiviewer_record(window->multiviewer());

  // Switcher: bus keys pressed, camera names sent and answered or not.
  select(1);
  auto* switcher = page<SwitcherPage>();
  ASSERT_NE(switcher, nullptr);
  constexpr int kProgram2 = 1033, kPreview4 = 1112, kCut = 1151;
  for (const int id : {kProgram2, kPreview4, kCut}) {
    SkinButton* key = switcher->button(id);
    ASSERT_NE(key, nullptr) << id;
    QTest::mouseClick(key, Qt::LeftButton);
  }
  for (int camera = 0; camera < 3; ++camera) {
    window->camera_names()[camera] = u"CAM" + std::u16string(1, static_cast<char16_t>(u'A' + camera));
    switcher_exchanges::send_camera_name(window->m_link, window->camera_names(), camera);
  }
  EXPECT_EQ(diagnostics.count("read over \n"), 3u) << "every camera name ends its wait";

  // Matrix: a route and the lock set, then the page opened again reads the
  // lock.
  select(2);
  auto* matrix = page<MatrixPage>();
  ASSERT_NE(matrix, nullptr);
  QTest::mouseClick(matrix->input_button(3), Qt::LeftButton);
  QTest::mouseClick(matrix->output_button(5), Qt::LeftButton);
  matrix_exchanges::set_lock(window->m_link, 1);
  // The read below must not overtake the lock on its way: the device's
  // answer would be right for its moment but not for the end of the session.
  SimLog(sim->log_path())
      .wait_for(
          1, [](const LogRecord& r) { return r.code == matrix::code::kLockSet; }, 1500ms);
  // A late answer to the first page's query may still be on its way; the
  // page opened again must not take it for the answer to its own query.
  select(2);
  matrix = page<MatrixPage>();
  ASSERT_NE(matrix, nullptr);
  const bool lock_confirmed = windows.with_purpose("lock read").back().outcome == ReplyWindowOutcome::Replied;
  const std::uint8_t shown_lock = window->matrix().m_buttons_locked;
  QTest::mouseClick(matrix->input_button(4), Qt::LeftButton);
  EXPECT_EQ(window->matrix().m_chosen_input, 4) << "the page still takes the operator's keys";

  EXPECT_TRUE(windows.all_closed());

  // What the devices hold now, asked until they answer.
  MultiviewerState device_state;
  device_state.reset_labels();
  ASSERT_TRUE(mv::decode_state_reply(ask_device(0, mv::code::kState), device_state, mv::DecodeStatus::Take,
                                     mv::DecodeDiagnostics::Off));
  const std::optional<WindowStatus> device_status = mv::read_status_reply(ask_device(0, mv::code::kStatus));
  ASSERT_TRUE(device_status);
  const std::optional<std::uint8_t> device_lock = matrix::read_lock_reply(ask_device(2, matrix::code::kLockQuery));
  ASSERT_TRUE(device_lock);

  if (state_confirmed) {
    EXPECT_EQ(shown_state, multiviewer_record(device_state)) << "the state the device reported";
  } else {
    EXPECT_EQ(shown_state, before_read) << "a read with no whole reply changes nothing";
  }
  EXPECT_EQ(shown_status, status_confirmed ? *device_status : WindowStatus{})
      << "a poll without answer shows no signal anywhere";
  EXPECT_EQ(shown_lock, lock_confirmed ? *device_lock : 0) << "an unread lock stays cleared by the selection";

  window.reset();
  ASSERT_EQ(sim->stop(), 0);
  const std::string err = sim->stderr_text();
  const std::size_t at = err.find("impairment:");
  std::printf("[ figures  ] %s: search listed %d of %zu; %s; %s; %s; %s; %s\n", GetParam().what, listed,
              kDevices.size(), windows.figures("search").c_str(), windows.figures("state read").c_str(),
              windows.figures("status poll").c_str(), windows.figures("camera name").c_str(),
              windows.figures("lock read").c_str());
  std::printf("[ figures  ] %s: %s\n", GetParam().what,
              at == std::string::npos ? "no impairment line" : err.substr(at, err.find('\n', at) - at).c_str());
  ASSERT_NE(at, std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Impairments, LossyNetwork,
                         ::testing::Values(Lossiness{"delay150each", 150, 50}, Lossiness{"delay75each", 75, 25}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace vela::test
