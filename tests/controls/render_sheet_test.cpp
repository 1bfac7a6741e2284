// Writes pictures of the skinned controls to $VELA_RENDER_DIR for a person to
// look at; skipped when the variable is not set.

#include "skin_button.h"
#include "gui_test_environment.h"
#include "skin_group_box.h"
#include "shade_button.h"
#include "skin.h"
#include "skin_glyphs.h"
#include "skin_keys.h"
#include "skin_paint.h"
#include "skin_text.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using vela::ButtonLook;

QString render_dir() { return qEnvironmentVariable("VELA_RENDER_DIR"); }

// A page-like surface with captioned section frames.
class Surface : public QWidget {
 public:
  using QWidget::QWidget;
  struct Section {
    QRect rect;
    QString caption;
  };
  std::vector<Section> sections;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    vela::paint_surface(p, rect());
    for (const Section& s : sections) vela::paint_section_frame(p, s.rect, s.caption);
  }
};

struct Key {
  QString caption;
  QSize size;
  ButtonLook look;
  QColor lamp;
};

int next_id = 920000;

// Registers a sample key picture with the skin and shows it on a button.
SkinButton* place_key(QWidget* parent, QPoint at, const Key& key) {
  const int id = next_id++;
  vela::register_key(id, key.size, key.caption, key.look, key.lamp);
  auto* button = new SkinButton(parent);
  button->setup_skinned(QRect(at, key.size), id);
  return button;
}

void place_row(QWidget* parent, QPoint at, const std::vector<Key>& keys, int gap = 8) {
  for (const Key& key : keys) {
    place_key(parent, at, key);
    at.rx() += key.size.width() + gap;
  }
}

TEST(RenderSheet, SkinnedControls) {
  const QString dir = render_dir();
  if (dir.isEmpty()) GTEST_SKIP() << "set VELA_RENDER_DIR to write the pictures";
  ASSERT_TRUE(QDir().mkpath(dir));

  const QColor red = vela::style::lamp_red, green = vela::style::lamp_green, yellow = vela::style::lamp_yellow,
               accent = vela::style::accent;
  const QSize key(70, 70);
  Surface surface;
  surface.resize(1000, 640);
  surface.sections = {{QRect(10, 10, 980, 115), "SWITCHER KEYS"},
                      {QRect(10, 135, 980, 110), "MATRIX"},
                      {QRect(10, 255, 980, 110), "ACTIONS"},
                      {QRect(10, 375, 600, 255), "WIDGETS"},
                      {QRect(620, 375, 370, 255), "GLYPHS"}};

  place_row(&surface, {24, 40},
            {{"1", key, ButtonLook::normal, red},
             {"1", key, ButtonLook::lit, red},
             {"2", key, ButtonLook::lit, green},
             {"MP1", key, ButtonLook::normal, red},
             {"PIP", key, ButtonLook::lit, yellow},
             {"Luma KEY", key, ButtonLook::normal, yellow},
             {"Chroma KEY", key, ButtonLook::lit, yellow},
             {"BKGD", key, ButtonLook::normal, yellow},
             {"ON AIR", key, ButtonLook::lit, red},
             {"FTB", key, ButtonLook::normal, red},
             {"MIX", key, ButtonLook::selected, accent},
             {"WIPE", key, ButtonLook::normal, accent}});
  place_row(&surface, {24, 160},
            {{"1", {60, 65}, ButtonLook::normal, green},
             {"2", {60, 65}, ButtonLook::lit, green},
             {"8", {60, 65}, ButtonLook::normal, green},
             {"STATUS", {90, 75}, ButtonLook::normal, accent},
             {"CONTROL", {80, 75}, ButtonLook::selected, accent},
             {"UMD", {80, 75}, ButtonLook::normal, accent},
             {"COLOR", {70, 75}, ButtonLook::normal, accent},
             {"SETTING", {90, 75}, ButtonLook::normal, accent}});
  place_row(&surface, {24, 280},
            {{"ONE TO ALL", {220, 60}, ButtonLook::normal, accent},
             {"ONE TO ONE", {220, 65}, ButtonLook::selected, accent},
             {"LOCK", {140, 65}, ButtonLook::lit, red},
             {"APPLY", {140, 65}, ButtonLook::normal, accent},
             {"Cut", {80, 80}, ButtonLook::normal, red},
             {"Auto", {80, 80}, ButtonLook::lit, red}},
            10);

  auto* group = new SkinGroupBox(&surface);
  group->setGeometry(24, 400, 270, 210);
  group->set_text(QStringLiteral("Transition"));
  auto* disabled = place_key(&surface, {44, 430}, {"KEY 2", key, ButtonLook::lit, yellow});
  disabled->setEnabled(false);
  place_key(&surface, {124, 430}, {"KEY 2", key, ButtonLook::normal, yellow});
  auto* text_only = new SkinButton(&surface);
  text_only->setText(QStringLiteral("caption only"));
  text_only->set_colour(SkinButton::colour_fg_out, vela::style::caption);
  text_only->setGeometry(44, 520, 150, 30);
  text_only->set_draw_transparent(true);

  auto* shade = new ShadeButton(&surface);
  QPalette pal = shade->palette();
  pal.setColor(QPalette::Light, QColor(0x6a, 0x71, 0x7b));
  pal.setColor(QPalette::Button, QColor(0x3b, 0x40, 0x48));
  pal.setColor(QPalette::Dark, QColor(0x1a, 0x1c, 0x21));
  shade->setPalette(pal);
  shade->setText(QStringLiteral("Connect"));
  shade->set_colour(SkinButton::colour_fg_out, vela::style::caption);
  shade->setGeometry(320, 420, 120, 34);
  shade->set_shade();
  auto* pressed = new ShadeButton(&surface);
  pressed->setPalette(pal);
  pressed->setText(QStringLiteral("Pressed"));
  pressed->set_colour(SkinButton::colour_fg_in, vela::style::caption);
  pressed->setGeometry(320, 470, 120, 34);
  pressed->set_shade();
  pressed->setDown(true);

  ASSERT_TRUE(surface.grab().save(QDir(dir).filePath("controls_sheet.png")));

  // Glyphs and lamps at their usual sizes, drawn straight onto the sheet.
  QImage sheet = surface.grab().toImage();
  {
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = vela::style::caption;
    qreal x = 640;
    for (auto glyph : {vela::WindowGlyph::minimise, vela::WindowGlyph::maximise, vela::WindowGlyph::close}) {
      vela::paint_window_glyph(p, QRectF(x, 410, 40, 35), glyph, ink);
      x += 44;
    }
    vela::paint_gear(p, QRectF(780, 414, 26, 26), vela::style::caption_dim);
    vela::paint_search_glyph(p, QRectF(820, 414, 24, 24), accent);
    x = 640;
    for (const QColor& c : {red, green, yellow, accent}) {
      vela::paint_lamp(p, QRectF(x, 470, 32, 32), c, false);
      vela::paint_lamp(p, QRectF(x, 520, 32, 32), c, true);
      x += 44;
    }
    vela::paint_sail_mark(p, QRectF(830, 470, 60, 64), accent, accent.darker(150));
  }
  ASSERT_TRUE(sheet.save(QDir(dir).filePath("controls_sheet.png")));
}

}  // namespace
