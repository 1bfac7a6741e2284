#include "skin_button.h"
#include "control_id.h"
#include "gui_test_environment.h"
#include "pixel_probe.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using vela::test::PatternBackdrop;
using vela::test::render;
using vela::test::rgb_at;

namespace {

const QColor red(220, 30, 30);
const QColor green(30, 200, 60);
const QColor face(40, 60, 90);  // plain background of a non-transparent button

// A 40 x 30 button at (30, 20) on a patterned parent, showing a 20 x 16
// picture whose centre 12 x 8 is red and whose rim is black.
class ButtonOnPattern : public ::testing::Test {
 protected:
  static constexpr QPoint button_at{30, 20};
  static constexpr QSize picture_size{20, 16};
  static constexpr QRect red_part{4, 4, 12, 8};
  // The picture is centred in the button.
  static constexpr QPoint picture_at{(40 - 20) / 2, (30 - 16) / 2};

  void SetUp() override {
    backdrop.resize(120, 80);
    button = new SkinButton(&backdrop);
    button->setGeometry(QRect(button_at, QSize(40, 30)));
    button->set_images(vela::test::keyed_picture(picture_size, red_part, red));
    for (auto index : {SkinButton::colour_bk_in, SkinButton::colour_bk_out, SkinButton::colour_bk_focus})
      button->set_colour(index, face);
    button->set_draw_border(false);
  }

  QRgb background_at(QPoint in_button) const {
    const QPoint p = button_at + in_button;
    return PatternBackdrop::colour(p.x(), p.y(), backdrop.shift);
  }

  PatternBackdrop backdrop;
  SkinButton* button = nullptr;
};

struct TransparencyCase {
  bool transparent;
  bool hover;
};

class BlackShowsBackground : public ButtonOnPattern, public ::testing::WithParamInterface<TransparencyCase> {};

TEST_P(BlackShowsBackground, BlackPixelsShowWhatLiesBehindAndTheRestShowsThePicture) {
  const TransparencyCase c = GetParam();
  button->set_draw_transparent(c.transparent);
  if (c.hover) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
  }
  ASSERT_EQ(button->is_hover(), c.hover);

  const QImage shot = render(*button);
  int checked_black = 0;
  for (int y = 0; y < picture_size.height(); ++y)
    for (int x = 0; x < picture_size.width(); ++x) {
      const QPoint at = picture_at + QPoint(x, y);
      const QRgb seen = rgb_at(shot, at.x(), at.y());
      if (red_part.contains(x, y)) {
        ASSERT_EQ(seen, red.rgb()) << "picture pixel " << x << "," << y;
      } else {
        const QRgb expected = c.transparent ? background_at(at) : face.rgb();
        ASSERT_EQ(seen, expected) << "black pixel " << x << "," << y;
        ++checked_black;
      }
    }
  EXPECT_GT(checked_black, 100);
  // Outside the picture the button shows the same background.
  const QRgb corner = c.transparent ? background_at(QPoint(1, 1)) : face.rgb();
  EXPECT_EQ(rgb_at(shot, 1, 1), corner);
}

INSTANTIATE_TEST_SUITE_P(OneImage, BlackShowsBackground,
                         ::testing::Values(TransparencyCase{true, false}, TransparencyCase{true, true},
                                           TransparencyCase{false, false}, TransparencyCase{false, true}),
                         [](const auto& info) {
                           return std::string(info.param.transparent ? "transparent" : "plain") +
                                  (info.param.hover ? "_hover" : "_away");
                         });

TEST_F(ButtonOnPattern, BackgroundIsCopiedOnceAndRetakenAfterDrawTransparent) {
  button->set_draw_transparent(true);
  const QPoint probe = picture_at;  // a black (transparent) pixel
  const QRgb first = background_at(probe);
  EXPECT_EQ(rgb_at(render(*button), probe.x(), probe.y()), first);
  EXPECT_TRUE(button->has_background_snapshot());

  backdrop.shift = 90;  // the parent now looks different
  EXPECT_EQ(rgb_at(render(*button), probe.x(), probe.y()), first);

  button->set_draw_transparent(true);
  EXPECT_FALSE(button->has_background_snapshot());
  const QRgb second = background_at(probe);
  ASSERT_NE(first, second);
  EXPECT_EQ(rgb_at(render(*button), probe.x(), probe.y()), second);
}

// The button sits in a transparent container inside the patterned window:
// what lies behind it is the window's drawing, reached through the container.
class ButtonInContainer : public ::testing::Test {
 protected:
  static constexpr QPoint container_at{10, 12};
  static constexpr QPoint button_at{20, 18};  // in the container
  static constexpr QPoint rim{1, 1};          // a black pixel of the picture, in the picture

  void SetUp() override {
    backdrop.resize(160, 100);
    auto* container = new QWidget(&backdrop);
    container->setGeometry(QRect(container_at, QSize(120, 70)));
    button = new SkinButton(container);
    button->setup_skinned(QRect(button_at, QSize(40, 30)), -1);
    button->set_images(vela::test::keyed_picture(QSize(20, 16), QRect(4, 4, 12, 8), red));
  }

  // Window position of the picture's pixel p (the picture is centred).
  static QPoint in_window(QPoint p) { return container_at + button_at + QPoint(10, 7) + p; }

  PatternBackdrop backdrop;
  SkinButton* button = nullptr;
};

TEST_F(ButtonInContainer, CopyReachesThroughTransparentParents) {
  const QImage shot = render(*button);  // the button's own drawing only
  const QPoint w = in_window(rim);
  EXPECT_EQ(rgb_at(shot, 10 + rim.x(), 7 + rim.y()), PatternBackdrop::colour(w.x(), w.y(), 0));
  EXPECT_EQ(rgb_at(shot, 10 + 5, 7 + 5), red.rgb());
}

TEST_F(ButtonInContainer, ShownWindowShowsTheBackgroundAlignedUnderTheButton) {
  backdrop.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
  const QImage screen = backdrop.screen()->grabWindow(backdrop.winId()).toImage();
  ASSERT_TRUE(button->has_background_snapshot());
  // Every pixel of the button that is not picture shows the window's pattern.
  const QRect area(container_at + button_at, QSize(40, 30));
  const QRect picture(in_window(QPoint(4, 4)), QSize(12, 8));
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb expected = picture.contains(x, y) ? red.rgb() : PatternBackdrop::colour(x, y, 0);
      ASSERT_EQ(rgb_at(screen, x, y), expected) << x << "," << y;
    }
}

// ---- pressed ----

struct PressCase {
  const char* name;
  bool picture;
  const char* caption;
};

class PressedOffset : public ::testing::TestWithParam<PressCase> {};

TEST_P(PressedOffset, PressedButtonDrawsEverythingOnePixelRightAndDown) {
  const PressCase c = GetParam();
  SkinButton button;
  button.resize(60, 40);
  if (c.picture) button.set_images(vela::test::keyed_picture(QSize(20, 16), QRect(3, 2, 9, 11), red));
  button.setText(QString::fromLatin1(c.caption));
  button.set_draw_border(false);
  for (auto index : {SkinButton::colour_bk_in, SkinButton::colour_bk_out, SkinButton::colour_bk_focus})
    button.set_colour(index, face);
  button.set_colour(SkinButton::colour_fg_in, green);
  button.set_colour(SkinButton::colour_fg_out, green);

  const QImage normal = render(button);
  button.setDown(true);
  const QImage pressed = render(button);

  const QRect box = vela::test::ink_box(normal, face.rgb());
  ASSERT_FALSE(box.isEmpty());
  EXPECT_EQ(vela::test::ink_box(pressed, face.rgb()), box.translated(1, 1));
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x)
      ASSERT_EQ(rgb_at(pressed, x + 1, y + 1), rgb_at(normal, x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Content, PressedOffset,
                         ::testing::Values(PressCase{"picture", true, ""}, PressCase{"caption", false, "Go"},
                                           PressCase{"both", true, "Go"}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- disabled ----

TEST(ButtonDisabled, PictureIsGreyedAndCaptionEngraved) {
  const QColor highlight(240, 200, 40);
  const QColor shadow(40, 80, 200);
  SkinButton button;
  QPalette pal = button.palette();
  pal.setColor(QPalette::Light, highlight);
  pal.setColor(QPalette::Dark, shadow);
  button.setPalette(pal);
  button.resize(120, 40);
  button.set_images(vela::test::keyed_picture(QSize(24, 24), QRect(4, 4, 16, 16), red));
  button.setText(QStringLiteral("HELLO"));
  QFont font = button.font();
  font.setPixelSize(18);
  font.setBold(true);
  button.setFont(font);
  button.set_draw_border(false);
  for (auto index : {SkinButton::colour_bk_in, SkinButton::colour_bk_out, SkinButton::colour_bk_focus})
    button.set_colour(index, face);
  button.set_colour(SkinButton::colour_fg_out, green);

  auto count = [](const QImage& shot, const QColor& c) {
    return vela::test::count_pixels(shot, shot.rect(), [&](QRgb px) { return px == c.rgb(); });
  };
  const QImage enabled = render(button);
  ASSERT_GT(count(enabled, red), 200);
  ASSERT_GT(count(enabled, green), 10);
  ASSERT_EQ(count(enabled, highlight), 0);

  button.setEnabled(false);
  const QImage disabled = render(button);
  EXPECT_EQ(count(disabled, red), 0);
  EXPECT_EQ(count(disabled, green), 0);
  EXPECT_GT(count(disabled, highlight), 10);
  EXPECT_GT(count(disabled, shadow), 10);

  // Where the picture was red it is now a flat grey; its black rim still shows the face.
  const QRect picture_box = vela::test::ink_box(enabled, face.rgb());
  int grey = 0;
  for (int y = 0; y < disabled.height(); ++y)
    for (int x = 0; x < disabled.width(); ++x)
      if (rgb_at(enabled, x, y) == red.rgb()) {
        ASSERT_TRUE(vela::test::is_grey(rgb_at(disabled, x, y))) << x << "," << y;
        ++grey;
      }
  EXPECT_GT(grey, 200);
  // picture_box starts at the red part; two pixels up-left lie in the black rim.
  EXPECT_EQ(rgb_at(disabled, picture_box.left() - 2, picture_box.top() - 2), face.rgb());
}

// ---- hover ----

// Two flat buttons side by side, each with a green "in" and a red "out" picture.
class HoverPair : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(100, 40);
    for (int i = 0; i < 2; ++i) {
      buttons[i] = new SkinButton(&window);
      vela::set_control_id(buttons[i], 1100 + i);
      buttons[i]->setGeometry(i * 40, 0, 40, 40);
      buttons[i]->set_images(vela::test::keyed_picture(QSize(40, 40), QRect(0, 0, 40, 40), green),
                             vela::test::keyed_picture(QSize(40, 40), QRect(0, 0, 40, 40), red));
      buttons[i]->set_draw_border(false);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  // What each button shows: 'g' (in picture) or 'r' (out picture).
  std::string shown() {
    std::string s;
    for (SkinButton* b : buttons) {
      const QRgb px = rgb_at(render(*b), 20, 20);
      s += px == green.rgb() ? 'g' : px == red.rgb() ? 'r' : '?';
    }
    return s;
  }

  QWidget window;
  SkinButton* buttons[2] = {};
};

TEST_F(HoverPair, RealMouseMovingFromOneButtonOntoTheNextMovesTheHover) {
  QTest::mouseMove(&window, QPoint(20, 20));
  EXPECT_TRUE(buttons[0]->is_hover());
  EXPECT_EQ(shown(), "gr");
  QTest::mouseMove(&window, QPoint(60, 20));
  EXPECT_FALSE(buttons[0]->is_hover());
  EXPECT_TRUE(buttons[1]->is_hover());
  EXPECT_EQ(shown(), "rg");
  QTest::mouseMove(&window, QPoint(95, 20));
  EXPECT_FALSE(buttons[1]->is_hover());
  EXPECT_EQ(shown(), "rr");
}

TEST_F(HoverPair, LeaveAndEnterEventsMoveTheHover) {
  // The offscreen platform may have sent an enter on show; clear it.
  QEvent reset(QEvent::Leave);
  QApplication::sendEvent(buttons[0], &reset);
  ASSERT_EQ(shown(), "rr");
  const QPointF inside(20, 20);
  QEnterEvent enter_first(inside, inside, inside);
  QApplication::sendEvent(buttons[0], &enter_first);
  EXPECT_EQ(shown(), "gr");

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(buttons[0], &leave);
  QEnterEvent enter_second(inside, inside, inside);
  QApplication::sendEvent(buttons[1], &enter_second);
  EXPECT_FALSE(buttons[0]->is_hover());
  EXPECT_TRUE(buttons[1]->is_hover());
  EXPECT_EQ(shown(), "rg");
}

TEST_F(HoverPair, MoveWithLeftButtonHeldOrOnANonFlatButtonStartsNoHover) {
  QEvent reset(QEvent::Leave);
  QApplication::sendEvent(buttons[0], &reset);
  const QPointF inside(20, 20);
  QMouseEvent held(QEvent::MouseMove, inside, window.mapToGlobal(inside.toPoint()), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(buttons[0], &held);
  EXPECT_FALSE(buttons[0]->is_hover());

  buttons[1]->setFlat(false);
  QMouseEvent free_move(QEvent::MouseMove, inside, window.mapToGlobal(QPoint(60, 20)), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
  QApplication::sendEvent(buttons[1], &free_move);
  EXPECT_FALSE(buttons[1]->is_hover());

  QMouseEvent plain(QEvent::MouseMove, inside, window.mapToGlobal(inside.toPoint()), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(buttons[0], &plain);
  EXPECT_TRUE(buttons[0]->is_hover());
}

// ---- border and the common setup ----

TEST(ButtonBorder, FlatBorderShowsOnlyWhileHoveredAndOnlyWithDrawBorder) {
  for (const bool border : {false, true}) {
    SkinButton button;
    button.resize(40, 30);
    button.set_images(vela::test::keyed_picture(QSize(10, 10), QRect(2, 2, 6, 6), red));
    button.set_draw_border(border);
    const QImage away = render(button);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    ASSERT_TRUE(button.is_hover());
    const QImage over = render(button);
    // The picture is the same either way (one image); only the edge may differ.
    EXPECT_EQ(over.copy(5, 5, 30, 20), away.copy(5, 5, 30, 20));
    EXPECT_EQ(over == away, !border) << "border " << border;
  }
}

TEST(ButtonSetup, SkinnedSetupPlacesAndDrawsTransparentWithoutBorder) {
  QWidget parent;
  auto* button = new SkinButton(&parent);
  vela::set_control_id(button, 1005);
  button->setup_skinned(QRect(560, 55, 138, 50), 987654);  // an id the skin does not know
  EXPECT_EQ(vela::find_control<SkinButton>(&parent, 1005), button);
  EXPECT_EQ(vela::control_id(button), 1005);
  EXPECT_EQ(button->geometry(), QRect(560, 55, 138, 50));
  EXPECT_TRUE(button->draw_transparent());
  EXPECT_FALSE(button->draw_border());
  EXPECT_TRUE(button->isFlat());
  EXPECT_EQ(button->bitmap_in_id(), -1);
}

}  // namespace
