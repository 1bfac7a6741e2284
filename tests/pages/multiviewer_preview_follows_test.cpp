// The preview's header and footer say what matters on air (layout,
// resolution, lock, borders): every change made on the SETTING sub-page is
// painted there at once, not at some later repaint.
#include <QPaintEvent>
#include <QRegion>

#include "drop_down_list.h"
#include "list_clicks.h"
#include "multiviewer/multiviewer_settings_tab.h"
#include "multiviewer_fixture.h"

namespace vela::test {
namespace {

using Set = MultiviewerSettingsTab;

// Everything the page painted since it was last cleared.
class PaintedRegion : public QObject {
 public:
  explicit PaintedRegion(QWidget* widget) { widget->installEventFilter(this); }
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

TEST_F(MultiviewerPageFixture, TheHeaderAndFooterFollowEverySettingChange) {
  start();
  open_page();
  show_active();
  choose_sub_page(MultiviewerSubPage::Setting);
  auto* set = sub_page<Set>();
  ASSERT_NE(set, nullptr);
  const QRect preview = page->preview_rect();
  const QRect header(preview.left(), 8, preview.width(), 26);
  const QRect footer(preview.left(), preview.bottom() + 12, preview.width(), 24);
  PaintedRegion region(page.get());
  const struct {
    int list;
    int item;
  } changes[] = {
      {Set::kResolutionTypeListId, 3},
      {Set::kLockListId, 1},
      {Set::kBorderListId, 1},
      {Set::kLockListId, 0},
      {Set::kAudioSourceListId, 4},
      {Set::kAudioMeterListId, 0},
      {Set::kResolutionDisplayListId, 1},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change.list);
    QCoreApplication::processEvents();
    region.painted = QRegion();
    ASSERT_TRUE(click_list_item(set->list(change.list), change.item));
    QCoreApplication::processEvents();
    EXPECT_TRUE(region.painted.contains(header)) << "the header was painted again";
    EXPECT_TRUE(region.painted.contains(footer)) << "the footer was painted again";
  }
}

}  // namespace
}  // namespace vela::test
