#include "rk2207_show_modes.h"

#include <array>

namespace vela {
namespace {

struct ShowMode {
  WindowSlots slots;
  std::string_view name;
};

constexpr WindowSlot kEmpty{};
constexpr WindowSlot full(std::int32_t label) { return {0, 0, 720, 480, label}; }

constexpr std::array<ShowMode, rk2207::kStackedMode + 1> kShowModes = {{
    {{{{0, 0, 360, 240, 1}, {360, 0, 360, 240, 2}, {0, 240, 360, 240, 3}, {360, 240, 360, 240, 4}}}, "QUAD SPLIT"},
    {{{{100, 160, 520, 320, 1}, {0, 0, 240, 160, 2}, {240, 0, 240, 160, 3}, {480, 0, 240, 160, 4}}}, "1 BIG BOTTOM"},
    {{{{100, 0, 520, 320, 1}, {0, 320, 240, 160, 2}, {240, 320, 240, 160, 3}, {480, 320, 240, 160, 4}}}, "1 BIG TOP"},
    {{{{0, 80, 480, 320, 1}, {480, 0, 240, 160, 2}, {480, 160, 240, 160, 3}, {480, 320, 240, 160, 4}}}, "1 BIG LEFT"},
    {{{{240, 80, 480, 320, 1}, {0, 0, 240, 160, 2}, {0, 160, 240, 160, 3}, {0, 320, 240, 160, 4}}}, "1 BIG RIGHT"},
    {{{full(1), {40, 330, 180, 120, 2}, {500, 330, 180, 120, 3}, kEmpty}}, "FULL + 2 PIP"},
    {{{{180, 0, 360, 240, 1}, {0, 240, 360, 240, 2}, {360, 240, 360, 240, 3}, kEmpty}}, "1 OVER 2"},
    {{{full(1), {500, 30, 180, 120, 2}, kEmpty, kEmpty}}, "PIP TOP RIGHT"},
    {{{full(1), {40, 30, 180, 120, 2}, kEmpty, kEmpty}}, "PIP TOP LEFT"},
    {{{full(1), {40, 330, 180, 120, 2}, kEmpty, kEmpty}}, "PIP BOTTOM LEFT"},
    {{{full(1), {500, 330, 180, 120, 2}, kEmpty, kEmpty}}, "PIP BOTTOM RIGHT"},
    {{{{0, 0, 360, 480, 1}, {360, 0, 360, 480, 2}, kEmpty, kEmpty}}, "SIDE BY SIDE"},
    {{{kEmpty, kEmpty, kEmpty, full(4)}}, "CHANNEL 4"},
    {{{kEmpty, kEmpty, full(3), kEmpty}}, "CHANNEL 3"},
    {{{kEmpty, full(2), kEmpty, kEmpty}}, "CHANNEL 2"},
    {{{full(1), kEmpty, kEmpty, kEmpty}}, "CHANNEL 1"},
    {{{{180, 0, 360, 240, 1}, {180, 240, 360, 240, 2}, kEmpty, kEmpty}}, "STACKED"},
}};

constexpr std::uint8_t kLmSideBySide = 11;
constexpr WindowSlots kLmSideBySideSlots{{{0, 120, 360, 240, 1}, {360, 120, 360, 240, 2}, kEmpty, kEmpty}};

}  // namespace

namespace rk2207 {

WindowSlots show_mode_slots(std::uint8_t mode) {
  if (mode >= kShowModes.size()) return {};
  return kShowModes[mode].slots;
}

std::string_view show_mode_name(std::uint8_t mode) {
  if (mode >= kShowModes.size()) return {};
  return kShowModes[mode].name;
}

}  // namespace rk2207

namespace lm5530 {

WindowSlots show_mode_slots(std::uint8_t mode) {
  if (mode >= rk2207::kModeButtonCount) return {};
  if (mode == kLmSideBySide) return kLmSideBySideSlots;
  return rk2207::show_mode_slots(mode);
}

}  // namespace lm5530
}  // namespace vela
