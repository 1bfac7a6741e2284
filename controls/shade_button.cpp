#include "shade_button.h"

#include <QPainter>

ShadeButton::ShadeButton(QWidget* parent) : SkinButton(parent) {}

namespace {

// Palette of the shading: highlight -> face over the first half of the
// steps, face -> shadow over the second.
void shading_palette(SkinImage& dib, const QColor& light, const QColor& face, const QColor& shadow) {
  constexpr int half = ShadeButton::shade_steps / 2;
  dib.blend_palette(light, face, 0, half);
  dib.blend_palette(face, shadow, half, half);
}

QColor lighten(const QColor& c, const QColor& light) {
  return QColor((c.red() * 3 + light.red()) / 4, (c.green() * 3 + light.green()) / 4,
                (c.blue() * 3 + light.blue()) / 4);
}

int step(int pos, int length) { return length > 1 ? pos * (ShadeButton::shade_steps - 1) / (length - 1) : 0; }

}  // namespace

void ShadeButton::set_shade() {
  const int w = width();
  const int h = height();
  const QPalette& pal = palette();
  const QColor light = pal.color(QPalette::Light);
  const QColor face = pal.color(QPalette::Button);
  const QColor shadow = pal.color(QPalette::Dark);

  SkinImage& horizontal = m_dibs[shade_horizontal];
  SkinImage& vertical = m_dibs[shade_vertical];
  SkinImage& normal = m_dibs[shade_normal];
  if (!horizontal.create(w, 1) || !vertical.create(1, h) || !normal.create(w, h)) return;
  shading_palette(horizontal, light, face, shadow);
  vertical.copy_palette(horizontal);
  normal.copy_palette(horizontal);
  for (int x = 0; x < w; ++x) horizontal.set_pixel_index(x, 0, static_cast<quint8>(step(x, w)));
  for (int y = 0; y < h; ++y) vertical.set_pixel_index(0, y, static_cast<quint8>(step(y, h)));

  // Lit from the top left: mostly the vertical run, a quarter of the horizontal.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int index = (vertical.pixel_index(0, y) * 3 + horizontal.pixel_index(x, 0)) / 4;
      normal.set_pixel_index(x, y, static_cast<quint8>(index));
    }

  SkinImage& over = m_dibs[shade_over];
  SkinImage& down = m_dibs[shade_down];
  over = normal;
  down = normal;
  for (int i = 0; i < shade_steps; ++i) {
    over.set_palette_colour(i, lighten(normal.palette_colour(i), light));
    down.set_palette_colour(i, normal.palette_colour(shade_steps - 1 - i));
  }
  update();
}

void ShadeButton::draw_background(QPainter& p, const QRect& r, const DrawState& s) {
  if (!has_shade()) {
    SkinButton::draw_background(p, r, s);
    return;
  }
  const SkinImage& face = s.pressed                  ? m_dibs[shade_down]
                        : (s.hover && !s.disabled) ? m_dibs[shade_over]
                                                   : m_dibs[shade_normal];
  face.stretch(p, r);
}
