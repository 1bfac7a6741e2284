#include "switcher_tables.h"

#include <charconv>
#include <cstdio>

namespace vela::switcher {

const std::array<ResolutionEntry, kResolutionCount> kResolutions = {{
    {"1080p60", 0x07},
    {"1080p50", 0x0B},
    {"1080i60", 0x09},
    {"1080i50", 0x01},
    {"1080p30", 0x03},
    {"1080p25", 0x0D},
    {"1080p24", 0x05},
    {"720p60", 0x0E},
    {"720p50", 0x06},
}};

std::uint8_t resolution_code(int index) {
  if (index < 0 || index >= kResolutionCount) return 0;
  return kResolutions[static_cast<std::size_t>(index)].code;
}

std::string source_list_text(int index, SourceListStyle style) {
  if (index == source_list::kMp) return "MP";
  char text[16];
  std::snprintf(text, sizeof text, style == SourceListStyle::spaced ? "Cam %02d" : "Cam_%02d", index + 1);
  return text;
}

std::uint8_t key_colour_code(int channel) { return static_cast<std::uint8_t>(code::kKeyRed + channel); }

const std::array<const char*, kChromaKeyTypeCount> kChromaKeyTypeNames = {"Key Light Blue", "Key Light Green"};
const std::array<KeyColour, kChromaKeyTypeCount> kChromaPresets = {{{32, 32, 220}, {32, 220, 32}}};

void write_chroma_presets(SwitcherState& state) {
  for (std::size_t t = 0; t < kChromaPresets.size(); ++t) {
    state.chroma_key_red[t] = kChromaPresets[t].red;
    state.chroma_key_green[t] = kChromaPresets[t].green;
    state.chroma_key_blue[t] = kChromaPresets[t].blue;
  }
}

KeyColour chroma_colour(const SwitcherState& state, int type) {
  const auto t = static_cast<std::size_t>(type);
  return {state.chroma_key_red.at(t), state.chroma_key_green.at(t), state.chroma_key_blue.at(t)};
}

void set_chroma_channel(SwitcherState& state, int type, int channel, std::uint8_t value) {
  const auto t = static_cast<std::size_t>(type);
  std::array<std::uint8_t, 2>& field = channel == 0   ? state.chroma_key_red
                                       : channel == 1 ? state.chroma_key_green
                                                      : state.chroma_key_blue;
  field.at(t) = value;
}

void set_luma_channel(SwitcherState& state, int channel, std::uint8_t value) {
  std::uint8_t& field = channel == 0 ? state.luma_key_red : channel == 1 ? state.luma_key_green : state.luma_key_blue;
  field = value;
}

const std::array<const char*, 2> kBorderEnableNames = {"Disable", "Enable"};
const std::array<const char*, 4> kBorderColourNames = {"White", "Red", "Blue", "Green"};

namespace {

// One "%d" of a scan: the number at the front of `text`, if there is one.
std::optional<int> leading_number(std::string_view& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc()) return std::nullopt;
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

struct RateParts {
  int whole = 0;
  int tenths = 0;
};

RateParts rate_parts(std::string_view text) {
  RateParts parts;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.starts_with('+')) text.remove_prefix(1);
  const std::optional<int> whole = leading_number(text);
  if (!whole || !text.starts_with('.')) {
    parts.whole = whole.value_or(0);
    return parts;
  }
  text.remove_prefix(1);
  parts.whole = *whole;
  parts.tenths = leading_number(text).value_or(0);
  return parts;
}

}  // namespace

int rate_tenths(std::string_view text) {
  const RateParts parts = rate_parts(text);
  return parts.whole * 10 + parts.tenths;
}

std::optional<int> stepped_rate(std::string_view text, bool up) {
  const RateParts parts = rate_parts(text);
  if (!up && parts.whole == 0 && parts.tenths == 1) return std::nullopt;
  if (up && parts.whole == 9 && parts.tenths == 9) return std::nullopt;
  return parts.whole * 10 + parts.tenths + (up ? 1 : -1);
}

std::string rate_text(int tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

}  // namespace vela::switcher
