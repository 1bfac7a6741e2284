// The luma and chroma key sub-pages against the simulated switcher: sources,
// key colours sent on a mouse release only, the chroma key colours and
// their presets.
#include <QComboBox>

#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher_settings_fixture.h"

namespace vela::test {
namespace {

namespace code = switcher::code;

std::vector<int> bar_values(const ColourBars& bars) {
  return {bars.bars[0]->value(), bars.bars[1]->value(), bars.bars[2]->value()};
}

std::vector<QString> edit_texts(const ColourBars& bars) {
  return {bars.edits[0]->text(), bars.edits[1]->text(), bars.edits[2]->text()};
}

using SwitcherLumaKey = SwitcherSettingsFixture;

TEST_F(SwitcherLumaKey, OpensAtSixteenWithoutTouchingTheRecord) {
  start();
  context->switcher().luma_key_green = 99;
  context->switcher().luma_key_source = 4;
  auto* page = open<LumaKeyPanel>();
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{16, 16, 16}));
  EXPECT_EQ(edit_texts(page->colour_bars()), (std::vector<QString>{"16", "16", "16"}));
  EXPECT_EQ(page->source_list()->currentIndex(), 0);
  EXPECT_EQ(page->source_list()->count(), 11);
  EXPECT_EQ(context->switcher().luma_key_green, 99);
  EXPECT_EQ(context->switcher().luma_key_source, 4);
}

struct ReleaseCase {
  int channel;
  int position;
  std::uint8_t code;
  const char* edit;
};

TEST_F(SwitcherLumaKey, ReleasingAColourBarSendsItsValueOnce) {
  const ReleaseCase cases[] = {
      {1, 200, code::kKeyGreen, "200"},
      {0, 5, code::kKeyRed, "05"},
      {2, 255, code::kKeyBlue, "255"},
  };
  start();
  auto* page = open<LumaKeyPanel>();
  for (const ReleaseCase& c : cases) {
    release_at(page->colour_bars().bars[c.channel], c.position);
    EXPECT_EQ(payloads_of(c.code), std::vector<Bytes>{{static_cast<std::uint8_t>(c.position)}}) << c.channel;
    EXPECT_EQ(page->colour_bars().edits[c.channel]->text(), c.edit);
  }
  EXPECT_EQ(frames().size(), 3u);
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.luma_key_red, 5);
  EXPECT_EQ(state.luma_key_green, 200);
  EXPECT_EQ(state.luma_key_blue, 255);
}

TEST_F(SwitcherLumaKey, KeysAndCodeMoveTheBarSilentlyAGrooveClickSends) {
  start();
  auto* page = open<LumaKeyPanel>();
  TrackBar* red = page->colour_bars().bars[0];
  red->setFocus();
  QTest::keyClick(red, Qt::Key_Right);
  QTest::keyClick(red, Qt::Key_PageUp);
  EXPECT_GT(red->value(), 16);
  EXPECT_EQ(page->colour_bars().edits[0]->text(), "16");
  EXPECT_EQ(context->switcher().luma_key_red, 0);

  // A click in the groove far right of the handle moves the bar and sends
  // where it stopped: the first frame the switcher hears.
  const int before = red->value();
  QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(red->width() - 3, red->height() / 2));
  ASSERT_GT(red->value(), before);
  const auto sent = payloads_of(code::kKeyRed);
  EXPECT_EQ(sent, std::vector<Bytes>{{static_cast<std::uint8_t>(red->value())}});
  EXPECT_EQ(frames().size(), 1u);
  EXPECT_EQ(context->switcher().luma_key_red, red->value());
}

TEST_F(SwitcherLumaKey, ChoosingMpSendsSourceTen) {
  start();
  auto* page = open<LumaKeyPanel>();
  ASSERT_TRUE(click_list_item(page->source_list(), 10));
  EXPECT_EQ(payloads_of(code::kLumaKeySource), std::vector<Bytes>{{10}});
  EXPECT_EQ(context->switcher().luma_key_source, 10);
}

using SwitcherChromaKey = SwitcherSettingsFixture;

TEST_F(SwitcherChromaKey, OnAFreshRecordKeyLightGreenMovesTheBarsAndSendsOnlyTheType) {
  start();
  auto* page = open<ChromaKeyPanel>();
  EXPECT_EQ(page->type_list()->currentText(), "Key Light Blue");
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{32, 32, 220}));
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.chroma_key_green, (std::array<std::uint8_t, 2>{32, 220})) << "presets written on opening";

  diagnostics.clear();
  ASSERT_TRUE(click_list_item(page->type_list(), 1));
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{32, 220, 32}));
  EXPECT_EQ(edit_texts(page->colour_bars()), (std::vector<QString>{"32", "220", "32"}));
  EXPECT_EQ(payloads_of(code::kChromaKeyType), std::vector<Bytes>{{1}});
  EXPECT_EQ(frames().size(), 1u) << "no colour command";
  EXPECT_EQ(state.chroma_key_type, 1);
  EXPECT_EQ(diagnostics.lines(), (std::vector<std::string>{"2 \n", " r = 32 \n", " g = 220 \n", " b = 32 \n"}));
}

TEST_F(SwitcherChromaKey, EachKeyColourKeepsItsOwnValues) {
  start();
  auto* page = open<ChromaKeyPanel>();
  ASSERT_TRUE(click_list_item(page->type_list(), 1));
  release_at(page->colour_bars().bars[0], 90);
  EXPECT_EQ(payloads_of(code::kKeyRed), std::vector<Bytes>{{90}});
  EXPECT_EQ(context->switcher().chroma_key_red, (std::array<std::uint8_t, 2>{32, 90}));
  EXPECT_EQ(diagnostics.lines().back(), " r = 90 \n");

  ASSERT_TRUE(click_list_item(page->type_list(), 0));
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{32, 32, 220}));
  ASSERT_TRUE(click_list_item(page->type_list(), 1));
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{90, 220, 32}));
  EXPECT_EQ(edit_texts(page->colour_bars()).front(), "90");
  EXPECT_EQ(payloads_of(code::kChromaKeyType, 3), (std::vector<Bytes>{{1}, {0}, {1}}));
}

TEST_F(SwitcherChromaKey, OpensOnTheKeptKeyColourAndStoresReleasesUnderIt) {
  start();
  SwitcherState& state = context->switcher();
  state.chroma_key_type = 1;
  state.chroma_key_source = 6;
  state.chroma_key_blue = {7, 7};  // replaced by the presets on opening
  auto* page = open<ChromaKeyPanel>();
  EXPECT_EQ(page->type_list()->currentText(), "Key Light Green");
  EXPECT_EQ(bar_values(page->colour_bars()), (std::vector<int>{32, 220, 32}));
  EXPECT_EQ(state.chroma_key_blue, (std::array<std::uint8_t, 2>{220, 32}));
  EXPECT_EQ(state.chroma_key_source, 6);
  EXPECT_EQ(page->source_list()->currentIndex(), 0);

  release_at(page->colour_bars().bars[2], 40);
  EXPECT_EQ(payloads_of(code::kKeyBlue), std::vector<Bytes>{{40}});
  EXPECT_EQ(frames().size(), 1u) << "opening sent nothing";
  EXPECT_EQ(state.chroma_key_blue, (std::array<std::uint8_t, 2>{220, 40}));
  EXPECT_EQ(state.chroma_key_type, 1);
}

TEST_F(SwitcherChromaKey, ChoosingMpSendsSourceTen) {
  start();
  auto* page = open<ChromaKeyPanel>();
  ASSERT_TRUE(click_list_item(page->source_list(), 10));
  EXPECT_EQ(payloads_of(code::kChromaKeySource), std::vector<Bytes>{{10}});
  EXPECT_EQ(context->switcher().chroma_key_source, 10);
}

}  // namespace
}  // namespace vela::test
