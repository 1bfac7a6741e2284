// The SETTING sub-page against the simulated multiviewer: the output-wide
// settings, the defaults, and the device's new address.
#include "skin_button.h"
#include "drop_down_list.h"
#include "ipv4_address_edit.h"
#include "multiviewer/multiviewer_settings_tab.h"
#include "multiviewer/multiviewer_status_tab.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;
using Set = MultiviewerSettingsTab;

struct MultiviewerSetting : MultiviewerPageFixture {
  OperatorMessageRecorder messages;

  MultiviewerSettingsTab* open_setting() {
    open_page();
    choose_sub_page(MultiviewerSubPage::Setting);
    return sub_page<MultiviewerSettingsTab>();
  }
  const MultiviewerSettings& settings() const { return context->multiviewer().m_settings; }

  void fill_addresses(Set* set, const QString& address, const QString& mask, const QString& gateway) {
    set->address_field(Set::kAddressFieldId)->set_address_text(address);
    set->address_field(Set::kMaskFieldId)->set_address_text(mask);
    set->address_field(Set::kGatewayFieldId)->set_address_text(gateway);
  }
};

TEST_F(MultiviewerSetting, OpensWithTheDevicesSettingsAndAGuessedMaskAndGateway) {
  start();
  // Device bytes above 1 still mean on.
  for (const std::uint8_t code :
       {mv::code::kMeterSwitch, mv::code::kResolutionLabelSwitch, mv::code::kBorderSwitch, mv::code::kLock}) {
    tell_device(code, mv::switch_payload(2));
  }
  tell_device(mv::code::kAudioSource, mv::switch_payload(3));
  tell_device(mv::code::kOutputResolution, mv::output_resolution_payload(mv::resolution_at(7)->code));
  Set* set = open_setting();
  for (const int id : {Set::kAudioMeterListId, Set::kResolutionDisplayListId, Set::kBorderListId, Set::kLockListId}) {
    EXPECT_EQ(set->list(id)->currentText(), "ON") << id;
  }
  EXPECT_EQ(set->list(Set::kAudioSourceListId)->currentText(), "CH_3");
  EXPECT_EQ(set->list(Set::kAudioSourceListId)->count(), 16);
  EXPECT_EQ(set->list(Set::kResolutionTypeListId)->currentText(), "720p60");

  const std::string address = device_address();
  const std::string network = address.substr(0, address.rfind('.') + 1);
  EXPECT_EQ(set->address_field(Set::kAddressFieldId)->text().toStdString(), address);
  EXPECT_EQ(set->address_field(Set::kMaskFieldId)->text(), "255.255.255.0");
  EXPECT_EQ(set->address_field(Set::kGatewayFieldId)->text().toStdString(), network + "1");
}

TEST_F(MultiviewerSetting, EachListSendsItsCommand) {
  struct Case {
    int list;
    int item;
    std::uint8_t code;
    Bytes payload;
  };
  const Case cases[] = {
      {Set::kAudioMeterListId, 0, mv::code::kMeterSwitch, {0x00}},
      {Set::kAudioSourceListId, 2, mv::code::kAudioSource, {0x03}},
      {Set::kResolutionTypeListId, 1, mv::code::kOutputResolution, {0x00, 0x0B}},
      {Set::kResolutionDisplayListId, 1, mv::code::kResolutionLabelSwitch, {0x01}},
      {Set::kBorderListId, 0, mv::code::kBorderSwitch, {0x00}},
      {Set::kLockListId, 1, mv::code::kLock, {0x01}},
  };
  start();
  Set* set = open_setting();
  for (const Case& c : cases) ASSERT_TRUE(click_list_item(set->list(c.list), c.item)) << c.list;
  for (const Case& c : cases) {
    const std::vector<Bytes> frames = sent_with_code(c.code);
    ASSERT_EQ(frames.size(), 1u) << c.list;
    EXPECT_EQ(Bytes(frames[0].begin() + 17, frames[0].end() - 3), c.payload) << c.list;
    EXPECT_EQ(frames[0].size(), 20 + c.payload.size());
  }
  EXPECT_EQ(settings().audio_meter_enable, 0);
  EXPECT_EQ(context->multiviewer().m_meter_visible, 0);
  EXPECT_EQ(settings().audio_source_channel, 3);
  EXPECT_EQ(settings().resolution_type, 1);
  EXPECT_EQ(context->multiviewer().m_resolution_visible, 1);
  EXPECT_EQ(settings().border_enable, 0);
  EXPECT_EQ(settings().lock_state, 1);
}

TEST_F(MultiviewerSetting, SetIpSendsTheThreeAddressesOverUdpInEitherMode) {
  start();
  for (const std::int32_t mode : {connection_mode::kNetwork, connection_mode::kSerial}) {
    SCOPED_TRACE(mode);
    context->m_link.set_connection_mode(mode);
    Set* set = open_setting();
    fill_addresses(set, "10.0.0.5", "255.0.0.0", "10.0.0.1");
    QTest::mouseClick(set->set_address_button(), Qt::LeftButton);
    const std::vector<Bytes> frames = sent_with_code(code::kSetAddress);
    ASSERT_EQ(frames.size(), mode == connection_mode::kNetwork ? 1u : 2u);
    const Bytes& frame = frames.back();
    ASSERT_EQ(frame.size(), 32u);
    EXPECT_EQ(frame[frame::kLinkFlagOffset], frame::kLinkUdp);
    const Bytes payload{0x0A, 0, 0, 5, 0xFF, 0, 0, 0, 0x0A, 0, 0, 1};
    EXPECT_EQ(Bytes(frame.begin() + 17, frame.begin() + 29), payload);
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), context->m_set_address_payload.begin()));
  }
  EXPECT_TRUE(messages.lines().empty());
}

TEST_F(MultiviewerSetting, SetIpWithABlankPartSendsNothing) {
  struct Case {
    const char* address;
    const char* mask;
    const char* gateway;
  };
  const Case cases[] = {
      {"", "255.255.255.0", "10.0.0.1"},
      {"10.0.0.5", "255.255.255.0", "10.0.0"},
      {"10.0.0.5", "255..255.0", "10.0.0.1"},
  };
  start();
  Set* set = open_setting();
  for (const Case& c : cases) {
    fill_addresses(set, c.address, c.mask, c.gateway);
    QTest::mouseClick(set->set_address_button(), Qt::LeftButton);
  }
  EXPECT_TRUE(sent_with_code(code::kSetAddress).empty());
  EXPECT_EQ(messages.lines().size(), std::size(cases));
  EXPECT_EQ(context->m_set_address_payload, (std::array<std::uint8_t, 12>{})) << "nothing stored either";
}

// After a serial search the entry's address may be empty or from anywhere:
// neither the set-address command nor the status poll goes to a place that
// is not one device.
TEST_F(MultiviewerSetting, UdpCommandsRefuseAnAddressThatIsNotOneDevice) {
  start();
  context->m_link.set_connection_mode(connection_mode::kSerial);
  for (const char* address : {"", "not an address", "127.0.0.255"}) {
    SCOPED_TRACE(address);
    point_device_at(address);
    diagnostics.clear();
    open_page();
    sub_page<MultiviewerStatusTab>()->on_timer();
    choose_sub_page(MultiviewerSubPage::Setting);
    auto* set = sub_page<Set>();
    fill_addresses(set, "10.0.0.5", "255.0.0.0", "10.0.0.1");
    QTest::mouseClick(set->set_address_button(), Qt::LeftButton);
    std::size_t refusals = 0;
    for (const std::string& line : diagnostics.lines()) {
      refusals += line.rfind("device address \"" + std::string(address) + "\" is ", 0) == 0;
    }
    EXPECT_EQ(refusals, 2u) << "the status poll and the set-address command";
  }
  point_device_at(device_address());
  EXPECT_TRUE(sent_with_code(code::kSetAddress).empty());
  EXPECT_TRUE(sent_with_code(mv::code::kStatus).empty());
}

TEST_F(MultiviewerSetting, SetDefaultGivesEachModelItsOwnLayout) {
  struct Case {
    std::uint8_t type;
    std::uint8_t window_count;
    std::uint8_t mode_type;
  };
  for (const Case& c : {Case{device_type::kMultiviewer16, 16, 6}, Case{device_type::kMultiviewer10, 10, 5}}) {
    SCOPED_TRACE(int(c.type));
    start(c.type);
    tell_device(mv::code::kLayout, mv::layout_payload(4));
    tell_device(mv::code::kLock, mv::switch_payload(1));
    tell_device(mv::code::kResolutionLabelSwitch, mv::switch_payload(1));
    Set* set = open_setting();
    ASSERT_EQ(context->multiviewer().m_layout_window_count, 4);
    QTest::mouseClick(set->default_button(), Qt::LeftButton);

    const std::vector<Bytes> frames = sent_with_code(mv::code::kDefaults);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].size(), 21u);
    EXPECT_EQ(frames[0][17], 0x00);
    const MultiviewerState& state = context->multiviewer();
    EXPECT_EQ(state.m_layout_window_count, c.window_count);
    EXPECT_EQ(settings().mode_type, c.mode_type);
    EXPECT_EQ(state.m_window_rect[c.window_count - 1].number, c.window_count) << "the preview follows";
    EXPECT_EQ(state.m_meter_visible, 1);
    EXPECT_EQ(state.m_resolution_visible, 0);
    EXPECT_EQ(state.m_labels_visible, 1);
    EXPECT_EQ(settings().lock_state, 1) << "the lock is no default";
    EXPECT_EQ(set->list(Set::kResolutionTypeListId)->currentText(), "1080p60");
    EXPECT_EQ(set->list(Set::kResolutionDisplayListId)->currentText(), "OFF");
    EXPECT_EQ(set->list(Set::kAudioMeterListId)->currentText(), "ON");
    EXPECT_EQ(set->list(Set::kAudioSourceListId)->currentText(), "CH_1");
    EXPECT_EQ(set->list(Set::kBorderListId)->currentText(), "ON");

    // The device restored what the page assumes.
    const MultiviewerState assumed = state;
    context->multiviewer() = MultiviewerState{};
    open_page();
    EXPECT_EQ(context->multiviewer().m_layout_window_count, assumed.m_layout_window_count);
    EXPECT_EQ(settings().mode_type, assumed.m_settings.mode_type);
    EXPECT_EQ(settings().resolution_type, assumed.m_settings.resolution_type);
    EXPECT_EQ(settings().audio_source_channel, assumed.m_settings.audio_source_channel);
    EXPECT_EQ(context->multiviewer().m_meter_visible, assumed.m_meter_visible);
    EXPECT_EQ(context->multiviewer().m_resolution_visible, assumed.m_resolution_visible);
    EXPECT_EQ(context->multiviewer().m_labels_visible, assumed.m_labels_visible);
    TearDown();
  }
}

TEST_F(MultiviewerSetting, SetDefaultOverAClosedSerialPortChangesOnlyTheLists) {
  make_context({}, device_type::kMultiviewer16);
  context->m_link.set_connection_mode(connection_mode::kSerial);
  MultiviewerSettings& stored = context->multiviewer().m_settings;
  stored.mode_type = 1;
  stored.resolution_type = 4;
  context->multiviewer().m_layout_window_count = 4;
  context->multiviewer().set_meter_display(0);
  context->multiviewer().set_resolution_display(1);
  Set* set = open_setting();
  EXPECT_EQ(set->list(Set::kAudioMeterListId)->currentText(), "OFF");
  EXPECT_EQ(set->list(Set::kBorderListId)->currentText(), "OFF");
  QTest::mouseClick(set->default_button(), Qt::LeftButton);
  EXPECT_EQ(context->multiviewer().m_layout_window_count, 4);
  EXPECT_EQ(stored.mode_type, 1);
  EXPECT_EQ(stored.resolution_type, 4);
  EXPECT_EQ(context->multiviewer().m_meter_visible, 0);
  EXPECT_EQ(context->multiviewer().m_resolution_visible, 1);
  EXPECT_EQ(set->list(Set::kResolutionTypeListId)->currentText(), "1080p60");
  EXPECT_EQ(set->list(Set::kResolutionDisplayListId)->currentText(), "OFF");
  EXPECT_EQ(set->list(Set::kAudioMeterListId)->currentText(), "ON");
  EXPECT_EQ(set->list(Set::kBorderListId)->currentText(), "ON");
}

}  // namespace
}  // namespace vela::test
