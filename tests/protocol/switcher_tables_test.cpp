// The switcher's tables and rate rules: codes that are not list indices,
// source texts of both list styles, rate steps and their ends, presets.
#include "switcher_tables.h"

#include <gtest/gtest.h>

namespace vela::switcher {
namespace {

TEST(SwitcherTables, ResolutionCodesAreLookedUpByIndexAndUnknownIndicesGiveZero) {
  EXPECT_EQ(resolution_code(0), 0x07);
  EXPECT_EQ(resolution_code(3), 0x01);
  EXPECT_EQ(resolution_code(8), 0x06);
  EXPECT_EQ(resolution_code(9), 0);
  EXPECT_EQ(resolution_code(-1), 0);
}

TEST(SwitcherTables, SourceListTexts) {
  EXPECT_EQ(source_list_text(0, SourceListStyle::spaced), "Cam 01");
  EXPECT_EQ(source_list_text(9, SourceListStyle::spaced), "Cam 10");
  EXPECT_EQ(source_list_text(0, SourceListStyle::underscored), "Cam_01");
  EXPECT_EQ(source_list_text(10, SourceListStyle::underscored), "MP");
}

TEST(SwitcherTables, RateSteps) {
  struct Case {
    const char* text;
    bool up;
    std::optional<int> tenths;
  };
  const Case cases[] = {
      {"0.1", true, 2},
      {"0.1", false, std::nullopt},
      {"9.9", true, std::nullopt},
      {"9.9", false, 98},
      {"1.0", false, 9},
      {"0.9", true, 10},
      {"2", true, 21},
      {"", true, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(stepped_rate(c.text, c.up), c.tenths) << c.text << (c.up ? " +" : " -");
  EXPECT_EQ(rate_text(9), "0.9");
  EXPECT_EQ(rate_text(10), "1.0");
  EXPECT_EQ(rate_text(99), "9.9");
  EXPECT_EQ(rate_milliseconds(99), 9900);
}

TEST(SwitcherTables, ChromaPresetsReplaceBothKeyColours) {
  SwitcherState state;
  set_chroma_channel(state, 1, 0, 90);
  set_chroma_channel(state, 0, 2, 5);
  EXPECT_EQ(chroma_colour(state, 1), (KeyColour{90, 0, 0}));
  write_chroma_presets(state);
  EXPECT_EQ(chroma_colour(state, 0), (KeyColour{32, 32, 220}));
  EXPECT_EQ(chroma_colour(state, 1), (KeyColour{32, 220, 32}));
}

}  // namespace
}  // namespace vela::switcher
