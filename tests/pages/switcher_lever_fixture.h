#pragma once
// The switcher page shown, with its lever driven by the mouse.
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "bitmap_slider.h"
#include "switcher/lever_panel.h"
#include "switcher_fixture.h"

namespace vela::test {

struct SwitcherLeverFixture : SwitcherPageFixture {
  static constexpr int kLeverX = 80;

  void open_shown_page() {
    open_page();
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
  }

  BitmapSlider& lever() const { return *page->lever_panel()->lever(); }

  // Takes the thumb at its centre and drags it to `to` a few pixels at a
  // time; released there unless `release` is false.
  void drag_lever(int to, bool release = true) {
    BitmapSlider& slider = lever();
    const int from_y = slider.pixel_of(slider.get_pos());
    const int to_y = slider.pixel_of(to);
    const int step = from_y < to_y ? 7 : -7;
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(kLeverX, from_y));
    // At a hand's pace, so the worker sends some positions on the way.
    for (int y = from_y + step; step > 0 ? y < to_y : y > to_y; y += step) {
      QTest::mouseMove(&slider, QPoint(kLeverX, y));
      QTest::qWait(3);
    }
    QTest::mouseMove(&slider, QPoint(kLeverX, to_y));
    if (release) QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(kLeverX, to_y));
    // Pixels and positions are not one to one inside; the ends are exact.
    if (to == 0 || to == 129) {
      ASSERT_EQ(slider.get_pos(), to);
    }
  }

  bool wait_for_direction(int direction) {
    return QTest::qWaitFor([&] { return context->switcher().transition_direction == direction; }, 10000);
  }

  // The lever's frames (and Auto's) the switcher received, code and payload.
  std::vector<std::string> lever_commands() {
    std::vector<std::string> found;
    for (const std::string& c : commands_so_far()) {
      if (c.rfind("82", 0) == 0 || c.rfind("84", 0) == 0) found.push_back(c);
    }
    return found;
  }
};

// Transition values of "82 dd vv" commands, checked to carry `direction`.
inline std::vector<int> values_of(const std::vector<std::string>& commands, int direction) {
  std::vector<int> values;
  for (const std::string& c : commands) {
    if (c.rfind("82", 0) != 0) continue;
    EXPECT_EQ(std::stoi(c.substr(3, 2), nullptr, 16), direction) << c;
    values.push_back(std::stoi(c.substr(6, 2), nullptr, 16));
  }
  return values;
}

}  // namespace vela::test
