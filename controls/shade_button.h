#pragma once

#include "skin_button.h"
#include "skin_image.h"

// A skinned button whose face is a generated shading instead of a plain
// colour or a background copy.
class ShadeButton : public SkinButton {
  Q_OBJECT

 public:
  enum ShadeImage { shade_horizontal, shade_vertical, shade_normal, shade_over, shade_down, shade_image_count };
  static constexpr int shade_steps = 128;

  explicit ShadeButton(QWidget* parent = nullptr);

  // Builds, for the button's current size, the horizontal gradient (w x 1),
  // the vertical gradient (1 x h) and the full-size face, blending the
  // palette's button highlight, face and shadow in 128 steps; the over and
  // down faces are the same pixels under a lighter and a reversed palette.
  void set_shade();
  bool has_shade() const { return m_dibs[shade_normal].is_valid(); }
  const SkinImage& shade(ShadeImage which) const { return m_dibs[which]; }

 protected:
  void draw_background(QPainter& p, const QRect& r, const DrawState& s) override;

 private:
  SkinImage m_dibs[shade_image_count];
};
