// Preview geometry: window rectangles of every layout and the boxes derived
// from them.
#include <gtest/gtest.h>

#include "multiviewer_preview.h"

namespace vela::multiviewer {
namespace {

bool overlap(const PreviewWindow& a, const PreviewWindow& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

MultiviewerState state_with_layout(int index) {
  MultiviewerState state;
  state.m_settings.mode_type = static_cast<std::uint8_t>(index);
  recompute_window_geometry(state);
  return state;
}

class EveryLayout : public ::testing::TestWithParam<LayoutEntry> {};

TEST_P(EveryLayout, WindowsAreNumberedInsideThePictureAndDoNotOverlap) {
  const LayoutEntry layout = GetParam();
  const MultiviewerState state = state_with_layout(layout.index);
  int area = 0;
  for (int w = 0; w < kWindowCount; ++w) {
    const PreviewWindow& r = state.m_window_rect[w];
    if (w >= layout.code) {
      EXPECT_EQ(r, PreviewWindow{}) << "window " << w + 1;
      continue;
    }
    EXPECT_EQ(r.number, w + 1);
    EXPECT_TRUE(r.present());
    EXPECT_GE(r.x, 0);
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.x + r.width, kPreviewWidth);
    EXPECT_LE(r.y + r.height, kPreviewHeight);
    area += r.width * r.height;
    for (int other = 0; other < w; ++other) EXPECT_FALSE(overlap(r, state.m_window_rect[other])) << w << "/" << other;
  }
  // Only the eight-window layout leaves part of the picture empty.
  EXPECT_EQ(area, layout.code == 8 ? kPreviewWidth * 240 : kPreviewWidth * kPreviewHeight);
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryLayout, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return "Windows" + std::to_string(info.param.code); });

TEST(PreviewGeometry, TheLayoutsAsTheDeviceDrawsThem) {
  const MultiviewerState eight = state_with_layout(3);
  EXPECT_EQ(eight.m_window_rect[0], (PreviewWindow{0, 120, 180, 120, 1}));
  EXPECT_EQ(eight.m_window_rect[7], (PreviewWindow{540, 240, 180, 120, 8}));
  const MultiviewerState six = state_with_layout(2);
  EXPECT_EQ(six.m_window_rect[0], (PreviewWindow{0, 0, 480, 320, 1}));
  EXPECT_EQ(six.m_window_rect[3], (PreviewWindow{0, 320, 240, 160, 4}));
  const MultiviewerState ten = state_with_layout(5);
  EXPECT_EQ(ten.m_window_rect[1], (PreviewWindow{360, 0, 360, 240, 2}));
  EXPECT_EQ(ten.m_window_rect[9], (PreviewWindow{540, 360, 180, 120, 10}));
  const MultiviewerState sixteen = state_with_layout(6);
  EXPECT_EQ(sixteen.m_window_rect[5], (PreviewWindow{180, 120, 180, 120, 6}));
  const MultiviewerState none = state_with_layout(7);
  for (const PreviewWindow& r : none.m_window_rect) EXPECT_FALSE(r.present());
}

TEST(PreviewGeometry, BoxesOfAWindowTruncateTowardsZero) {
  const PreviewWindow window{180, 120, 180, 120, 6};
  EXPECT_EQ(meter_box(window), (PreviewBox{198, 192, 18, 30}));
  EXPECT_EQ(label_box(window), (PreviewBox{247, 216, 45, 12}));
  EXPECT_EQ(resolution_box(window), (PreviewBox{324, 132, 30, 12}));
}

TEST(PreviewGeometry, ColoursAreTakenWhenRecomputedAndAnUnknownIndexKeepsTheOldColour) {
  MultiviewerState state = state_with_layout(1);
  state.m_settings.label_back_colour[2] = 6;
  state.m_settings.label_back_colour[3] = 99;
  state.m_label_rgb[3] = {1, 2, 3};
  recompute_label_boxes(state);
  EXPECT_EQ(state.m_label_rgb[2], (Rgb{255, 255, 0}));
  EXPECT_EQ(state.m_label_rgb[3], (Rgb{1, 2, 3}));
  EXPECT_TRUE(state.m_label_rect[3].present());
  EXPECT_FALSE(state.m_label_rect[4].present()) << "window 5 is not in the four-window layout";
  state.m_settings.label_back_colour[2] = 2;
  EXPECT_EQ(state.m_label_rgb[2], (Rgb{255, 255, 0})) << "not before the next recomputation";
}

}  // namespace
}  // namespace vela::multiviewer
