#include "multiviewer_preview.h"

#include "diagnostics.h"

namespace vela::multiviewer {
namespace {

constexpr std::array<PreviewBox, 1> kSingle{{{0, 0, 720, 480}}};
constexpr std::array<PreviewBox, 4> kQuad{
    {{0, 0, 360, 240}, {360, 0, 360, 240}, {0, 240, 360, 240}, {360, 240, 360, 240}}};
constexpr std::array<PreviewBox, 6> kSix{{{0, 0, 480, 320},
                                          {480, 0, 240, 160},
                                          {480, 160, 240, 160},
                                          {0, 320, 240, 160},
                                          {240, 320, 240, 160},
                                          {480, 320, 240, 160}}};
constexpr std::array<PreviewBox, 8> kEight{{{0, 120, 180, 120},
                                            {180, 120, 180, 120},
                                            {360, 120, 180, 120},
                                            {540, 120, 180, 120},
                                            {0, 240, 180, 120},
                                            {180, 240, 180, 120},
                                            {360, 240, 180, 120},
                                            {540, 240, 180, 120}}};
constexpr std::array<PreviewBox, 10> kTen{{{0, 0, 360, 240},
                                           {360, 0, 360, 240},
                                           {0, 240, 180, 120},
                                           {180, 240, 180, 120},
                                           {360, 240, 180, 120},
                                           {540, 240, 180, 120},
                                           {0, 360, 180, 120},
                                           {180, 360, 180, 120},
                                           {360, 360, 180, 120},
                                           {540, 360, 180, 120}}};

template <int Columns, int Rows>
constexpr std::array<PreviewBox, Columns * Rows> grid() {
  std::array<PreviewBox, Columns * Rows> cells{};
  constexpr int width = kPreviewWidth / Columns;
  constexpr int height = kPreviewHeight / Rows;
  for (int i = 0; i < Columns * Rows; ++i) cells[i] = {(i % Columns) * width, (i / Columns) * height, width, height};
  return cells;
}

constexpr auto kNine = grid<3, 3>();
constexpr auto kSixteen = grid<4, 4>();

using BoxRule = PreviewBox (*)(const PreviewWindow&);

void recompute_boxes(const MultiviewerState& state, std::array<PreviewBox, kWindowCount>& boxes, BoxRule rule) {
  for (int w = 0; w < kWindowCount; ++w)
    boxes[w] = state.m_window_rect[w].present() ? rule(state.m_window_rect[w]) : PreviewBox{};
}

// A colour index outside the table keeps the colour the box had.
void recompute_colours(const std::uint8_t (&indices)[kWindowCount], std::array<Rgb, kWindowCount>& colours) {
  for (int w = 0; w < kWindowCount; ++w) {
    if (const auto colour = colour_at(indices[w])) colours[w] = colour->preview;
  }
}

}  // namespace

std::span<const PreviewBox> layout_rectangles(int index) {
  switch (index) {
    case 0:
      return kSingle;
    case 1:
      return kQuad;
    case 2:
      return kSix;
    case 3:
      return kEight;
    case 4:
      return kNine;
    case 5:
      return kTen;
    case 6:
      return kSixteen;
    default:
      return {};
  }
}

PreviewBox meter_box(const PreviewWindow& r) {
  return {r.x + r.width / 10, r.y + 3 * r.height / 5, r.width / 10, r.height / 4};
}

PreviewBox label_box(const PreviewWindow& r) {
  return {r.x + 3 * r.width / 8, r.y + 4 * r.height / 5, r.width / 4, r.height / 10};
}

PreviewBox resolution_box(const PreviewWindow& r) {
  return {r.x + 4 * r.width / 5, r.y + r.height / 10, r.width / 6, r.height / 10};
}

void recompute_window_geometry(MultiviewerState& state) {
  state.m_window_rect.fill(PreviewWindow{});
  const auto rectangles = layout_rectangles(state.m_settings.mode_type);
  for (std::size_t i = 0; i < rectangles.size(); ++i) {
    const PreviewBox& r = rectangles[i];
    state.m_window_rect[i] = {r.x, r.y, r.width, r.height, static_cast<std::int32_t>(i + 1)};
  }
}

void recompute_meter_boxes(MultiviewerState& state) { recompute_boxes(state, state.m_meter_rect, meter_box); }

void recompute_label_boxes(MultiviewerState& state) {
  diag("draw  umd color \n");
  recompute_boxes(state, state.m_label_rect, label_box);
  recompute_colours(state.m_settings.label_back_colour, state.m_label_rgb);
}

void recompute_resolution_boxes(MultiviewerState& state) {
  recompute_boxes(state, state.m_resolution_rect, resolution_box);
  recompute_colours(state.m_settings.resolution_back_colour, state.m_resolution_rgb);
}

void recompute_preview(MultiviewerState& state) {
  recompute_window_geometry(state);
  recompute_meter_boxes(state);
  recompute_resolution_boxes(state);
  recompute_label_boxes(state);
}

}  // namespace vela::multiviewer
