#pragma once
// The multiviewer's three tables: layouts (mode table), output resolutions
// and colours. Every sub-page, the preview, the skin and the simulator read
// them from here, in both directions (code to position and back).
#include <array>
#include <cstdint>
#include <optional>

namespace vela::multiviewer {

struct LayoutEntry {
  std::uint8_t index;  // mode_type
  const char* text;    // list text, UTF-8
  std::uint8_t code;   // layout code on the wire = window count
};

struct ResolutionEntry {
  std::uint8_t position;  // resolution_type
  const char* text;
  std::uint8_t code;  // output resolution code on the wire
};

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ColourEntry {
  std::uint8_t index;
  const char* text;
  Rgb preview;  // what the preview paints
};

inline constexpr int kWindowCount = 16;
inline constexpr int kLayoutCount = 7;
inline constexpr int kResolutionCount = 9;
inline constexpr int kColourCount = 16;

extern const std::array<LayoutEntry, kLayoutCount> kLayouts;
extern const std::array<ResolutionEntry, kResolutionCount> kResolutions;
extern const std::array<ColourEntry, kColourCount> kColours;

// Lookups; a value outside the table gives nothing.
std::optional<LayoutEntry> layout_at(int index);
std::optional<LayoutEntry> layout_of_code(std::uint8_t code);
std::optional<ResolutionEntry> resolution_at(int position);
std::optional<ResolutionEntry> resolution_of_code(std::uint8_t code);
std::optional<ColourEntry> colour_at(int index);

// True for the window counts a layout can have (1, 4, 6, 8, 9, 10, 16).
bool is_layout_code(std::uint8_t code);

}  // namespace vela::multiviewer
