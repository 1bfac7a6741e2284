// The transition and PIP settings sub-pages against the simulated switcher:
// wipe patterns, the PIP lists and the window track bars on the wire.
#include <QComboBox>

#include "skin_button.h"
#include "switcher/chroma_key_panel.h"
#include "switcher/luma_key_panel.h"
#include "switcher/wipe_pattern_panel.h"
#include "switcher/pip_panel.h"
#include "switcher/switcher_settings_bitmaps.h"
#include "switcher_settings_fixture.h"

namespace vela::test {
namespace {

namespace code = switcher::code;

using SwitcherWipePatterns = SwitcherSettingsFixture;

TEST_F(SwitcherWipePatterns, PatternFourAfterOpeningIsSentAndLitTheLitOneSendsNothing) {
  start();
  context->switcher().wipe_pattern = 7;  // chosen on an earlier visit
  auto* page = open<WipePatternPanel>();
  EXPECT_EQ(context->switcher().wipe_pattern, 0) << "the sub-page opens on pattern 0";
  for (int t = 0; t < WipePatternPanel::kPatternCount; ++t) {
    const WipePattern& pattern = kWipePatterns[static_cast<std::size_t>(t)];
    EXPECT_EQ(page->pattern_button(t)->shown_bitmap_id(), t == 0 ? pattern.lit_bitmap : pattern.normal_bitmap) << t;
  }

  QTest::mouseClick(page->pattern_button(0), Qt::LeftButton);  // already lit
  QTest::mouseClick(page->pattern_button(4), Qt::LeftButton);
  QTest::mouseClick(page->pattern_button(4), Qt::LeftButton);  // lit now
  QTest::mouseClick(page->pattern_button(8), Qt::LeftButton);
  ASSERT_EQ(payloads_of(code::kWipePattern, 2), (std::vector<Bytes>{{4}, {8}}));
  EXPECT_EQ(frames().size(), 2u) << "only the two changes reached the switcher";
  EXPECT_EQ(context->switcher().wipe_pattern, 8);
  EXPECT_EQ(page->pattern_button(8)->shown_bitmap_id(), kWipePatterns[8].lit_bitmap);
  EXPECT_EQ(page->pattern_button(4)->shown_bitmap_id(), kWipePatterns[4].normal_bitmap);
  EXPECT_EQ(page->pattern_button(0)->shown_bitmap_id(), kWipePatterns[0].normal_bitmap);
}

TEST_F(SwitcherWipePatterns, ButtonsSitOnTheGridWithTheirIds) {
  start();
  auto* page = open<WipePatternPanel>();
  for (int t = 0; t < WipePatternPanel::kPatternCount; ++t) {
    const WipePattern& pattern = kWipePatterns[static_cast<std::size_t>(t)];
    EXPECT_EQ(find_control<SkinButton>(page, pattern.control_id), page->pattern_button(t)) << t;
    EXPECT_EQ(page->pattern_button(t)->geometry(), QRect(pattern.place, QSize(50, 50))) << t;
  }
}

// Counts the keys that reach the host (the switcher page's stand-in).
struct KeyCounter : QObject {
  int keys = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++keys;
    return false;
  }
};

using SwitcherSettingsKeys = SwitcherSettingsFixture;

TEST_F(SwitcherSettingsKeys, EverySubPageSwallowsEnterAndEscape) {
  start();
  KeyCounter counter;
  host->installEventFilter(&counter);
  const std::vector<QWidget*> pages = {open<WipePatternPanel>(), open<LumaKeyPanel>(),
                                       open<ChromaKeyPanel>(), open<PipPanel>()};
  for (QWidget* page : pages) {
    diagnostics.clear();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(page, key);
    EXPECT_EQ(diagnostics.count(" mian  esc  \n"), 3u) << page->metaObject()->className();
    QTest::keyClick(page, Qt::Key_A);
  }
  EXPECT_EQ(counter.keys, 4) << "only the other keys went on to the page";
}

using SwitcherPipWindow = SwitcherSettingsFixture;

struct PipBarCase {
  int bar;  // 0 X, 1 Y, 2 width
  int position;
  std::uint8_t code;
  Bytes payload;
  const char* edit;
};

TEST_F(SwitcherPipWindow, ReleasingAWindowBarSendsItsScaledValue) {
  const PipBarCase cases[] = {
      {0, 120, code::kPipX, {0x80, 0x07}, "1920"},
      {1, 120, code::kPipY, {0x38, 0x04}, "1080"},
      {2, 1, code::kPipWidth, {0x10, 0x00}, "16"},
      {0, 3, code::kPipX, {0x30, 0x00}, "48"},
  };
  start();
  auto* page = open<PipPanel>();
  std::size_t sent = 0;
  for (const PipBarCase& c : cases) {
    SCOPED_TRACE(c.edit);
    release_at(page->window_bar(c.bar), c.position);
    ++sent;
    const auto all = SimLog(sim->log_path()).wait_for(sent);
    ASSERT_EQ(all.size(), sent);
    const Bytes frame = all.back().bytes();
    ASSERT_EQ(frame.size(), 22u);
    EXPECT_EQ(frame[frame::kCodeOffset], c.code);
    EXPECT_EQ(Bytes(frame.begin() + 17, frame.begin() + 19), c.payload);
    EXPECT_EQ(page->window_edit(c.bar)->text(), c.edit);
  }
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.pip_x, 48);
  EXPECT_EQ(state.pip_y, 1080);
  EXPECT_EQ(state.pip_width, 16);
}

struct PipListCase {
  int list;
  int item;
  std::uint8_t code;
};

TEST_F(SwitcherPipWindow, ChoosingFromAListSendsTheIndex) {
  const PipListCase cases[] = {
      {0, 10, code::kPipSource},       // "MP"
      {1, 1, code::kPipBorderEnable},  // "Enable"
      {2, 3, code::kPipBorderColour},  // "Green"
      {3, 15, code::kPipBorderWidth},  // "15"
  };
  start();
  auto* page = open<PipPanel>();
  EXPECT_EQ(page->list(0)->itemText(0), "Cam 01");
  EXPECT_EQ(page->list(0)->itemText(10), "MP");
  EXPECT_EQ(page->list(2)->itemText(3), "Green");
  EXPECT_EQ(page->list(3)->itemText(15), "15");
  for (const PipListCase& c : cases) ASSERT_TRUE(click_list_item(page->list(c.list), c.item)) << c.list;
  for (const PipListCase& c : cases) {
    EXPECT_EQ(payloads_of(c.code), std::vector<Bytes>{{static_cast<std::uint8_t>(c.item)}}) << c.list;
  }
  const SwitcherState& state = context->switcher();
  EXPECT_EQ(state.pip_source, 10);
  EXPECT_EQ(state.pip_border_enable, 1);
  EXPECT_EQ(state.pip_border_colour, 3);
  EXPECT_EQ(state.pip_border_width, 15);
}

TEST_F(SwitcherPipWindow, AKeyboardMoveSendsNothingAndReopeningShowsZeroEverywhere) {
  start();
  auto* page = open<PipPanel>();
  TrackBar* x = page->window_bar(0);
  x->setFocus();
  QTest::keyClick(x, Qt::Key_Right);
  QTest::keyClick(x, Qt::Key_End);
  EXPECT_EQ(x->value(), 120) << "the bar moved";
  EXPECT_EQ(page->window_edit(0)->text(), "0");
  EXPECT_EQ(context->switcher().pip_x, 0);
  // The next mouse release is the first thing the switcher hears.
  release_at(page->window_bar(2), 2);
  ASSERT_EQ(payloads_of(code::kPipWidth), (std::vector<Bytes>{{0x20, 0x00}}));
  EXPECT_EQ(frames().size(), 1u);

  ASSERT_TRUE(click_list_item(page->list(2), 1));
  payloads_of(code::kPipBorderColour);
  delete page;
  page = open<PipPanel>();
  for (int i = 0; i < PipPanel::kListCount; ++i) EXPECT_EQ(page->list(i)->currentIndex(), 0) << i;
  for (int v = 0; v < PipPanel::kWindowValueCount; ++v) {
    EXPECT_EQ(page->window_bar(v)->value(), 0) << v;
    EXPECT_EQ(page->window_edit(v)->text(), "0") << v;
  }
  EXPECT_TRUE(page->height_bar()->isHidden());
  EXPECT_EQ(page->height_bar()->maximum(), 1080);
  release_at(page->window_bar(2), 1);
  payloads_of(code::kPipWidth, 2);
  EXPECT_EQ(frames().size(), 3u) << "opening sent nothing";
}

}  // namespace
}  // namespace vela::test
