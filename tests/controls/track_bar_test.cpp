// The track bar reports the operator letting go of it with the mouse, and
// nothing else that moves it.
#include "track_bar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include "gui_test_environment.h"

namespace {

using vela::TrackBar;

struct TrackBarTest : ::testing::Test {
  TrackBar bar;
  std::unique_ptr<QSignalSpy> released;

  void SetUp() override {
    bar.setRange(0, 255);
    bar.setGeometry(0, 0, 220, 26);
    bar.setValue(16);
    bar.show();
    released = std::make_unique<QSignalSpy>(&bar, &TrackBar::released_by_mouse);
  }

  QPoint handle_centre() {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &bar).center();
  }

  std::vector<int> reported() const {
    std::vector<int> positions;
    for (const QList<QVariant>& signal : *released) positions.push_back(signal.at(0).toInt());
    return positions;
  }
};

TEST_F(TrackBarTest, ADragReportsWhereItWasLetGoOnce) {
  const QPoint from = handle_centre();
  QTest::mousePress(&bar, Qt::LeftButton, {}, from);
  QTest::mouseMove(&bar, from + QPoint(60, 0));
  QTest::mouseMove(&bar, from + QPoint(90, 0));
  EXPECT_TRUE(reported().empty()) << "nothing while dragging";
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, from + QPoint(90, 0));
  ASSERT_GT(bar.value(), 16);
  EXPECT_EQ(reported(), std::vector<int>{bar.value()});
}

TEST_F(TrackBarTest, AGrooveClickReportsTheNewPosition) {
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 3, bar.height() / 2));
  ASSERT_GT(bar.value(), 16);
  EXPECT_EQ(reported(), std::vector<int>{bar.value()});
}

TEST_F(TrackBarTest, KeysWheelCodeAndOtherButtonsSayNothing) {
  bar.setFocus();
  for (const Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home}) QTest::keyClick(&bar, key);
  bar.setValue(200);
  QWheelEvent wheel(QPointF(handle_centre()), bar.mapToGlobal(QPointF(handle_centre())), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&bar, &wheel);
  EXPECT_NE(bar.value(), 200) << "the wheel moved it";
  QTest::mouseClick(&bar, Qt::RightButton, {}, handle_centre());
  // A release without a press on the bar (the press went elsewhere).
  QTest::mouseRelease(&bar, Qt::LeftButton, {}, handle_centre());
  EXPECT_TRUE(reported().empty());
}

}  // namespace
