#include "multiviewer_tables.h"

namespace vela::multiviewer {

const std::array<LayoutEntry, kLayoutCount> kLayouts = {{
    {0, "单画面", 1},
    {1, "四画面", 4},
    {2, "六画面", 6},
    {3, "八画面", 8},
    {4, "九画面", 9},
    {5, "十画面", 10},
    {6, "十六画面", 16},
}};

const std::array<ResolutionEntry, kResolutionCount> kResolutions = {{
    {0, "1080p60", 7},
    {1, "1080p50", 11},
    {2, "1080i60", 9},
    {3, "1080i50", 1},
    {4, "1080p30", 3},
    {5, "1080p25", 13},
    {6, "1080p24", 5},
    {7, "720p60", 14},
    {8, "720p50", 6},
}};

const std::array<ColourEntry, kColourCount> kColours = {{
    {0, "Black", {0, 0, 0}},
    {1, "Blue", {0, 0, 255}},
    {2, "Red", {255, 0, 0}},
    {3, "Magenta", {255, 0, 255}},
    {4, "Green", {0, 255, 0}},
    {5, "Cyan", {0, 255, 255}},
    {6, "Yellow", {255, 255, 0}},
    {7, "White", {255, 255, 255}},
    {8, "Gray", {186, 183, 186}},
    {9, "VioletRed", {219, 112, 147}},
    {10, "LightBlue", {173, 216, 230}},
    {11, "LightGreen", {144, 238, 144}},
    {12, "LightCyan", {224, 255, 255}},
    {13, "LightYellow", {255, 255, 224}},
    {14, "Trans", {255, 255, 255}},
    {15, "HalfTrans", {245, 245, 245}},
}};

namespace {

template <typename Table, typename Key>
auto find_entry(const Table& table, Key key) -> std::optional<typename Table::value_type> {
  for (const auto& entry : table) {
    if (key(entry)) return entry;
  }
  return std::nullopt;
}

}  // namespace

std::optional<LayoutEntry> layout_at(int index) {
  return find_entry(kLayouts, [index](const LayoutEntry& e) { return e.index == index; });
}

std::optional<LayoutEntry> layout_of_code(std::uint8_t code) {
  return find_entry(kLayouts, [code](const LayoutEntry& e) { return e.code == code; });
}

std::optional<ResolutionEntry> resolution_at(int position) {
  return find_entry(kResolutions, [position](const ResolutionEntry& e) { return e.position == position; });
}

std::optional<ResolutionEntry> resolution_of_code(std::uint8_t code) {
  return find_entry(kResolutions, [code](const ResolutionEntry& e) { return e.code == code; });
}

std::optional<ColourEntry> colour_at(int index) {
  return find_entry(kColours, [index](const ColourEntry& e) { return e.index == index; });
}

bool is_layout_code(std::uint8_t code) { return layout_of_code(code).has_value(); }

}  // namespace vela::multiviewer
