#pragma once
// The switcher's tables and value rules shared by its settings sub-pages,
// its configuration dialog and the simulator: output resolution codes,
// source list texts, chroma key presets, slider rates and PIP scales.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "switcher_protocol.h"
#include "switcher_state.h"

namespace vela::switcher {

struct ResolutionEntry {
  const char* text;   // list text
  std::uint8_t code;  // output resolution code on the wire
};

inline constexpr int kResolutionCount = 9;
// In list order; the code is not the list index.
extern const std::array<ResolutionEntry, kResolutionCount> kResolutions;
// The code of list index `index`; 0 for an index the table does not have.
std::uint8_t resolution_code(int index);

// Keyer and PIP lists write "Cam 01", window input lists "Cam_01".
enum class SourceListStyle { spaced, underscored };
// The text of source list index 0..10 ("MP" for 10).
std::string source_list_text(int index, SourceListStyle style);

// Key colours, by channel 0 red, 1 green, 2 blue.
inline constexpr int kColourChannels = 3;
struct KeyColour {
  std::uint8_t red, green, blue;
  std::uint8_t channel(int c) const { return c == 0 ? red : c == 1 ? green : blue; }
  friend bool operator==(const KeyColour&, const KeyColour&) = default;
};
// Key red, green or blue: the same three codes for both keyers.
std::uint8_t key_colour_code(int channel);

// Chroma key types: 0 "Key Light Blue", 1 "Key Light Green", each with the
// colour it starts from.
inline constexpr int kChromaKeyTypeCount = 2;
extern const std::array<const char*, kChromaKeyTypeCount> kChromaKeyTypeNames;
extern const std::array<KeyColour, kChromaKeyTypeCount> kChromaPresets;
// Both types back to their presets.
void write_chroma_presets(SwitcherState& state);
KeyColour chroma_colour(const SwitcherState& state, int type);
void set_chroma_channel(SwitcherState& state, int type, int channel, std::uint8_t value);
void set_luma_channel(SwitcherState& state, int channel, std::uint8_t value);

// PIP border lists.
extern const std::array<const char*, 2> kBorderEnableNames;
extern const std::array<const char*, 4> kBorderColourNames;
inline constexpr int kBorderWidthCount = 16;  // "0" to "15"

// PIP window values: X, Y and width, from a track bar of 0..120 onto the
// 1920 x 1080 picture.
inline constexpr int kPipWindowValues = 3;
inline constexpr int kPipBarMaximum = 120;
inline constexpr std::array<std::uint16_t, kPipWindowValues> kPipScales{16, 9, 16};
inline constexpr std::array<std::uint8_t, kPipWindowValues> kPipCodes{code::kPipX, code::kPipY, code::kPipWidth};

// Slider rates, in tenths of a second: 0.1 s to 9.9 s, shown "%d.%d" and
// sent in milliseconds.
inline constexpr int kRateCount = 3;
// The tenths in a rate text, read as "%d.%d" (a missing number counts as 0).
int rate_tenths(std::string_view text);
// The rate after "-" (`up` false) or "+" on `text`; nothing at 0.1 for "-"
// and at 9.9 for "+".
std::optional<int> stepped_rate(std::string_view text, bool up);
std::string rate_text(int tenths);
inline std::uint16_t rate_milliseconds(int tenths) { return static_cast<std::uint16_t>(tenths * 100); }

}  // namespace vela::switcher
