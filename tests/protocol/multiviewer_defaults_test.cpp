// The defaults command: what the device restores and what the panel assumes
// it restored must be the same settings.
#include <gtest/gtest.h>

#include "multiviewer_device_rules.h"
#include "multiviewer_protocol.h"

namespace vela::multiviewer {
namespace {

Bytes state_reply_frame(const StateReplyFields& fields) {
  return build_frame(frame::kLinkUdp, 0xA1, 1, code::kState, state_reply_payload(fields));
}

TEST(MultiviewerDefaults, ThePanelsAssumptionMatchesTheDevicesDefaults) {
  for (const std::uint8_t model : {16, 10}) {
    SCOPED_TRACE(int(model));
    // A device far from its defaults, and the panel's record of it.
    StateReplyFields device;
    device.layout_code = 4;
    device.resolution_code = 14;
    device.label_display = 0;
    device.meter_display = 0;
    device.audio_source = 9;
    device.resolution_display = 1;
    device.border = 1;
    device.lock = 1;
    MultiviewerState assumed;
    ASSERT_TRUE(decode_state_reply(state_reply_frame(device), assumed, DecodeStatus::Take, DecodeDiagnostics::Off));

    device_defaults::apply(device, model);
    device_defaults::apply(assumed, model);
    MultiviewerState restored;
    ASSERT_TRUE(decode_state_reply(state_reply_frame(device), restored, DecodeStatus::Take, DecodeDiagnostics::Off));

    EXPECT_EQ(assumed.m_layout_window_count, model);
    EXPECT_EQ(restored.m_layout_window_count, assumed.m_layout_window_count);
    const MultiviewerSettings& a = assumed.m_settings;
    const MultiviewerSettings& r = restored.m_settings;
    EXPECT_EQ(r.mode_type, a.mode_type);
    EXPECT_EQ(r.resolution_type, a.resolution_type);
    EXPECT_EQ(r.resolution_enable, a.resolution_enable);
    EXPECT_EQ(r.label_enable, a.label_enable);
    EXPECT_EQ(r.audio_meter_enable, a.audio_meter_enable);
    EXPECT_EQ(r.audio_source_channel, a.audio_source_channel);
    EXPECT_EQ(r.border_enable, 1) << "not a default";
    EXPECT_EQ(a.lock_state, 1) << "not a default";
    EXPECT_EQ(restored.m_meter_visible, assumed.m_meter_visible);
    EXPECT_EQ(restored.m_labels_visible, assumed.m_labels_visible);
    EXPECT_EQ(restored.m_resolution_visible, assumed.m_resolution_visible);
  }
}

}  // namespace
}  // namespace vela::multiviewer
