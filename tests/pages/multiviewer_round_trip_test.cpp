// Labels, display switches, colours and settings made on the page come back
// from the simulated device when the page is opened afresh.
#include "drop_down_list.h"
#include "multiviewer/multiviewer_colours_tab.h"
#include "multiviewer/multiviewer_settings_tab.h"
#include "multiviewer/multiviewer_labels_tab.h"
#include "multiviewer/label_edit.h"
#include "multiviewer_fixture.h"
#include "multiviewer_protocol.h"

namespace vela::test {
namespace {

namespace mv = multiviewer;
using Set = MultiviewerSettingsTab;

using MultiviewerRoundTrip = MultiviewerPageFixture;

TEST_F(MultiviewerRoundTrip, WhatThePageSetComesBackFromTheDevice) {
  start();
  open_page();
  show_active();

  choose_sub_page(MultiviewerSubPage::Umd);
  auto* umd = sub_page<MultiviewerLabelsTab>();
  umd->label_field(4)->setFocus();
  umd->label_field(4)->clear();
  QTest::keyClicks(umd->label_field(4), QStringLiteral("GOAL CAM"));
  QTest::keyClick(umd->label_field(4), Qt::Key_Return);
  ASSERT_TRUE(click_list_item(umd->display_list(), 0));

  choose_sub_page(MultiviewerSubPage::Color);
  auto* color = sub_page<MultiviewerColoursTab>();
  ASSERT_TRUE(click_list_item(color->channel_list(0), 5));
  ASSERT_TRUE(click_list_item(color->colour_list(0, 0), 3));
  ASSERT_TRUE(click_list_item(color->channel_list(1), 0));
  ASSERT_TRUE(click_list_item(color->colour_list(1, 1), 4));

  choose_sub_page(MultiviewerSubPage::Setting);
  auto* set = sub_page<Set>();
  const std::pair<int, int> choices[] = {
      {Set::kAudioMeterListId, 0},     {Set::kAudioSourceListId, 6}, {Set::kResolutionDisplayListId, 1},
      {Set::kResolutionTypeListId, 2}, {Set::kBorderListId, 0},      {Set::kLockListId, 1}};
  for (const auto& [list, item] : choices) ASSERT_TRUE(click_list_item(set->list(list), item)) << list;
  frames_so_far();

  // A new selection of the device: the record starts over and is read back.
  context->multiviewer() = MultiviewerState{};
  context->multiviewer().reset_labels();
  open_page();
  const MultiviewerState& state = context->multiviewer();
  const MultiviewerSettings& settings = state.m_settings;
  EXPECT_EQ(state.m_window_label[3], u"GOAL CAM");
  EXPECT_EQ(state.m_labels_visible, 0);
  EXPECT_EQ(settings.label_text_colour[4], 3);
  EXPECT_EQ(settings.label_text_colour[3], 7) << "only window 5's";
  for (int w = 0; w < 16; ++w) EXPECT_EQ(settings.resolution_back_colour[w], 4) << w;
  EXPECT_EQ(state.m_meter_visible, 0);
  EXPECT_EQ(settings.audio_source_channel, 7);
  EXPECT_EQ(state.m_resolution_visible, 1);
  EXPECT_EQ(settings.resolution_type, 2);
  EXPECT_EQ(settings.border_enable, 0);
  EXPECT_EQ(settings.lock_state, 1);
  EXPECT_EQ(settings.label_colour_channel, 1);
  EXPECT_EQ(settings.resolution_colour_channel, 1);

  choose_sub_page(MultiviewerSubPage::Umd);
  EXPECT_EQ(sub_page<MultiviewerLabelsTab>()->label_field(4)->text(), "GOAL CAM");
  EXPECT_EQ(sub_page<MultiviewerLabelsTab>()->display_list()->currentText(), "UMD OFF");
  choose_sub_page(MultiviewerSubPage::Color);
  color = sub_page<MultiviewerColoursTab>();
  EXPECT_EQ(color->channel_list(0)->currentText(), "CH_1");
  EXPECT_EQ(color->colour_list(1, 1)->currentText(), "Green");
  choose_sub_page(MultiviewerSubPage::Setting);
  set = sub_page<Set>();
  for (const auto& [list, item] : choices) EXPECT_EQ(set->list(list)->currentIndex(), item) << list;
}

}  // namespace
}  // namespace vela::test
