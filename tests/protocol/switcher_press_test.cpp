// A press on a switcher key with a rule, as any caller makes it (the page,
// its keyboard, a remote): the record changes, the command leaves, and only
// then do the record's observers hear of it, so a view that redraws on the
// notice shows what the switcher was told. The switcher is a socket of the
// test's own on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "device_types.h"
#include "hex_text.h"
#include "loopback_device_link.h"
#include "record_changes.h"
#include "switcher_exchanges.h"
#include "text_recorders.h"
#include "udp_peer.h"

namespace vela::test {
namespace {

using switcher_bus::Press;

// What the record and the switcher showed when the switcher was announced.
struct AtNotice {
  int notices = 0;
  std::string frame = "none";
  SwitcherState state;
};

struct SwitcherPress : ::testing::Test, LoopbackDeviceLink {
  DiagnosticRecorder diagnostics;
  std::unique_ptr<UdpPeer> peer;
  RecordChanges changes;
  SwitcherState state;
  AtNotice seen;
  RecordChanges::Subscription subscription;

  void SetUp() override {
    state.background_flag = 1;
    state.transition_type = TransitionType::Mix;
    peer = std::make_unique<UdpPeer>(device_address());
    LinkSession& link = link_to(device_type::kSwitcher, peer->port());
    // The page keeps its socket open for every command it sends.
    ASSERT_TRUE(link.udp_link().prepare_command_socket(link.current_device()));
    // The frame is looked for only at the notice: a notice given before the
    // frame left finds none.
    subscription = changes.observe([this](RecordPart part) {
      if (part != RecordPart::Switcher) return;
      ++seen.notices;
      seen.state = state;
      if (const auto datagram = peer->receive(std::chrono::milliseconds(2000))) seen.frame = to_hex(datagram->bytes);
    });
  }
};

TEST_F(SwitcherPress, AnnouncesTheRecordOnceItsCommandHasLeft) {
  struct Case {
    const char* name;
    Press press;
    std::uint8_t source;
    const char* frame;
  };
  const std::vector<Case> cases = {
      {"program 3", Press::Program, 3, "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 80 03 50 02 AE"},
      {"preview 5", Press::Preview, 5, "A5 6C 15 00 A5 01 01 00 00 00 00 00 00 00 00 00 81 05 53 02 AE"},
      {"Cut", Press::Cut, bus_source::kNone, "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 83 4F 02 AE"},
      {"FTB", Press::FadeToBlack, bus_source::kNone, "A5 6C 14 00 A5 01 01 00 00 00 00 00 00 00 00 00 85 51 02 AE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seen = {};
    const switcher_bus::Outcome outcome = switcher_exchanges::press(*link, state, changes, c.press, c.source);
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(seen.notices, 1);
    EXPECT_EQ(seen.frame, c.frame);
    EXPECT_EQ(seen.state, state) << "the notice comes after the record changed";
  }
  // Program 3 and preview 5, then Cut swapped them.
  EXPECT_EQ(state.program_source, 5);
  EXPECT_EQ(state.preview_source, 3);
  EXPECT_EQ(state.fade_to_black_flag, 1);
  EXPECT_EQ(diagnostics.count("send cut\n"), 1U);
  EXPECT_EQ(diagnostics.count(switcher_bus::kSwapNote), 1U);
}

TEST_F(SwitcherPress, ARefusedPressSendsNothingAndTellsNobody) {
  // A lit layer goes off only while BKGD is on.
  state.background_flag = 0;
  state.pip_flag = 1;
  state.lit_layer = SwitcherLayer::Pip;
  const SwitcherState before = state;
  EXPECT_TRUE(switcher_exchanges::press(*link, state, changes, Press::Pip).refused);
  EXPECT_EQ(seen.notices, 0);
  EXPECT_EQ(state, before);
  EXPECT_FALSE(peer->receive(std::chrono::milliseconds(100))) << "nothing reached the switcher";
}

TEST_F(SwitcherPress, TheEndOfATransitionSwapsTheBusesWithoutACommand) {
  state.program_source = 2;
  state.preview_source = 7;
  switcher_exchanges::swap_program_preview(state, changes);
  EXPECT_EQ(seen.notices, 1);
  EXPECT_EQ(seen.state.program_source, 7);
  EXPECT_EQ(seen.state.preview_source, 2);
  EXPECT_EQ(seen.frame, "none");
  EXPECT_EQ(diagnostics.count(switcher_bus::kSwapNote), 1U);
}

}  // namespace
}  // namespace vela::test
