// The bitmap slider with the lever's geometry: thumb pixels and positions,
// drags, clicks, keys, the disabled state and its posted notifications.
#include "bitmap_slider.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "control_id.h"
#include "gui_test_environment.h"
#include "pixel_probe.h"
#include "skin.h"

namespace {

constexpr int kChannel = 9301, kThumb = 9302, kId = 1160;
constexpr QRgb kChannelInk = 0xff204060, kThumbInk = 0xffd0a030;

void register_pictures() {
  // A flat channel, and a thumb with a black border that must let it through.
  vela::Skin::register_drawer(kChannel, QSize(164, 420), [](QPainter& p, QSize s) {
    p.fillRect(QRect(QPoint(0, 0), s), QColor::fromRgb(kChannelInk));
  });
  vela::Skin::register_drawer(kThumb, QSize(144, 41), [](QPainter& p, QSize s) {
    p.fillRect(QRect(QPoint(0, 0), s).adjusted(2, 2, -2, -2), QColor::fromRgb(kThumbInk));
  });
}

struct Notice {
  int message;
  int id;
  int position;
  friend bool operator==(const Notice&, const Notice&) = default;
};

void PrintTo(const Notice& n, std::ostream* os) {
  *os << std::hex << n.message << std::dec << " id " << n.id << " pos " << n.position;
}

struct BitmapSliderTest : ::testing::Test {
  QWidget window;
  BitmapSlider* slider = nullptr;
  std::unique_ptr<QSignalSpy> notices;

  void SetUp() override {
    register_pictures();
    window.resize(300, 500);
    slider = new BitmapSlider(&window);
    vela::set_control_id(slider, kId);
    slider->move(20, 10);
    ASSERT_TRUE(slider->set_bitmap_channel(kChannel));
    ASSERT_TRUE(slider->set_bitmap_thumb(kThumb, true));
    slider->set_margin(10, 30, 0, 35);
    slider->set_vertical(true);
    slider->set_range(0, 129);
    slider->set_pos(129);
    window.show();
    notices = std::make_unique<QSignalSpy>(slider, &BitmapSlider::notified);
  }

  // Posted notifications, once the event loop delivered them.
  std::vector<Notice> delivered() {
    QCoreApplication::processEvents();
    std::vector<Notice> all;
    for (const QList<QVariant>& n : *notices) all.push_back({n.at(0).toInt(), n.at(1).toInt(), n.at(2).toInt()});
    notices->clear();
    return all;
  }

  static QPoint at_y(int y) { return QPoint(80, y); }
};

constexpr int kMoving = BitmapSlider::kPositionMoving, kSet = BitmapSlider::kPositionSet;

TEST_F(BitmapSliderTest, PositionsAndPixelsOfTheLever) {
  EXPECT_EQ(slider->size(), QSize(164, 420));
  EXPECT_EQ(slider->pos(), QPoint(20, 10)) << "the channel keeps the place";
  const struct { int position, pixel; } ends[] = {{0, 50}, {129, 364}, {1, 52}, {64, 205}, {128, 361}};
  for (const auto& e : ends) EXPECT_EQ(slider->pixel_of(e.position), e.pixel) << e.position;
  for (const int y : {50, 51, 100, 207, 363, 364}) EXPECT_EQ(slider->position_of(y), (y - 50) * 129 / 314) << y;
}

TEST_F(BitmapSliderTest, EmptyRangeOrTravelDoesNotDivideByZero) {
  slider->set_range(7, 7);
  EXPECT_EQ(slider->pixel_of(7), 50);
  slider->set_pos(100);
  EXPECT_EQ(slider->get_pos(), 7);
  slider->set_range(0, 129);
  slider->set_margin(10, 200, 0, 179);  // 420 - 200 - 179 - 41 = 0 pixels of travel
  EXPECT_EQ(slider->position_of(220), 0);
  QTest::mouseClick(slider, Qt::LeftButton, {}, at_y(300));
  EXPECT_EQ(slider->get_pos(), 0);
}

TEST_F(BitmapSliderTest, DragKeepsItsGripAndStopsAtBothEnds) {
  // Grabbed 6 pixels below the thumb centre: the thumb does not jump.
  QTest::mousePress(slider, Qt::LeftButton, {}, at_y(370));
  EXPECT_TRUE(slider->dragging());
  EXPECT_EQ(slider->get_pos(), 129);
  QTest::mouseMove(slider, at_y(206));
  EXPECT_EQ(slider->get_pos(), (200 - 50) * 129 / 314);
  EXPECT_EQ(delivered(), (std::vector<Notice>{{kMoving, kId, 61}}));
  QTest::mouseMove(slider, at_y(-80));
  EXPECT_EQ(slider->get_pos(), 0);
  EXPECT_EQ(delivered(), (std::vector<Notice>{{kMoving, kId, 0}}));
  QTest::mouseMove(slider, at_y(-120));
  EXPECT_TRUE(delivered().empty()) << "still at the end pixel";
  QTest::mouseMove(slider, at_y(900));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, at_y(900));
  EXPECT_FALSE(slider->dragging());
  EXPECT_EQ(slider->get_pos(), 129);
  EXPECT_EQ(delivered(), (std::vector<Notice>{{kMoving, kId, 129}, {kSet, kId, 129}}));
}

TEST_F(BitmapSliderTest, ClickAwayFromTheThumbJumpsThereAndNotifiesAfterItsOwnHandling) {
  QSignalSpy clicked(slider, &BitmapSlider::clicked);
  QTest::mousePress(slider, Qt::LeftButton, {}, at_y(100));
  EXPECT_EQ(slider->get_pos(), 20);
  EXPECT_EQ(notices->size(), 0) << "posted, not sent";
  QTest::mouseRelease(slider, Qt::LeftButton, {}, at_y(100));
  EXPECT_EQ(delivered(), (std::vector<Notice>{{kMoving, kId, 20}, {kSet, kId, 20}}));
  EXPECT_EQ(clicked.size(), 1);
  EXPECT_TRUE(slider->hasFocus());
}

TEST_F(BitmapSliderTest, ClickOnTheThumbWithoutMovingOnlySetsTheSamePosition) {
  QTest::mouseClick(slider, Qt::LeftButton, {}, at_y(360));
  EXPECT_EQ(slider->get_pos(), 129);
  EXPECT_EQ(delivered(), (std::vector<Notice>{{kSet, kId, 129}}));
}

TEST_F(BitmapSliderTest, KeysMoveClampAndNotify) {
  slider->setFocus();
  const struct {
    int from;
    Qt::Key key;
    int to;
  } cases[] = {{120, Qt::Key_PageDown, 129}, {10, Qt::Key_PageUp, 0}, {50, Qt::Key_PageDown, 70},
               {50, Qt::Key_Down, 51},       {50, Qt::Key_Right, 51}, {50, Qt::Key_Up, 49},
               {0, Qt::Key_Left, 0},         {50, Qt::Key_End, 129},  {50, Qt::Key_Home, 0}};
  for (const auto& c : cases) {
    slider->set_pos(c.from);
    QTest::keyClick(slider, c.key);
    EXPECT_EQ(slider->get_pos(), c.to) << c.key;
    EXPECT_EQ(delivered(), (std::vector<Notice>{{kSet, kId, c.to}})) << c.key;
  }
  QTest::keyClick(slider, Qt::Key_A);
  EXPECT_TRUE(delivered().empty());
}

TEST_F(BitmapSliderTest, ThumbShowsTheChannelThroughItsCornerColour) {
  slider->set_pos(0);
  const QImage shot = vela::test::render(*slider);
  // The thumb spans y 30..70 at x 10..153; its 2-pixel black rim is see-through.
  EXPECT_EQ(vela::test::rgb_at(shot, 80, 50), kThumbInk);
  EXPECT_EQ(vela::test::rgb_at(shot, 11, 31), kChannelInk);
  EXPECT_EQ(vela::test::rgb_at(shot, 5, 50), kChannelInk);
}

TEST_F(BitmapSliderTest, DisabledSliderDrawsNoThumbAndPostsNothing) {
  slider->set_pos(64);
  slider->setEnabled(false);
  const QImage shot = vela::test::render(*slider);
  EXPECT_EQ(vela::test::count_pixels(shot, shot.rect(), [](QRgb px) { return px == kThumbInk; }), 0);
  QTest::mouseClick(slider, Qt::LeftButton, {}, at_y(100));
  QTest::keyClick(slider, Qt::Key_End);
  EXPECT_EQ(slider->get_pos(), 64);
  EXPECT_TRUE(delivered().empty());
}

TEST_F(BitmapSliderTest, DisabledDuringADragEndsTheDrag) {
  QTest::mousePress(slider, Qt::LeftButton, {}, at_y(100));
  delivered();
  slider->setEnabled(false);
  EXPECT_FALSE(slider->dragging());
  EXPECT_NE(QWidget::mouseGrabber(), slider);
  slider->setEnabled(true);
  QTest::mouseMove(slider, at_y(300));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, at_y(300));
  EXPECT_EQ(slider->get_pos(), 20);
  EXPECT_TRUE(delivered().empty());
}

}  // namespace
