#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPushButton>

#include "background_snapshot.h"

// An owner-drawn push button of the skin: draws an "in" picture while the
// mouse is over it and an "out" picture otherwise (pure black in a picture is
// transparent), optionally over a copy of what lies behind it, with an
// optional caption. Window thread only.
class SkinButton : public QPushButton {
  Q_OBJECT

 public:
  enum ColourIndex {
    colour_bk_in,     // background while the mouse is over the button
    colour_fg_in,     // caption while the mouse is over it or it is pressed
    colour_bk_out,    // background while the mouse is away
    colour_fg_out,    // caption while the mouse is away
    colour_bk_focus,  // background while the button has the focus
    colour_fg_focus,
    colour_count
  };

  explicit SkinButton(QWidget* parent = nullptr);

  // One picture, for both states, from the skin by bitmap id.
  void set_bitmap(int id);
  // "in" while the mouse is over the button, "out" otherwise; an out id < 0
  // (or an unknown id) means the "in" picture is used always.
  void set_bitmaps(int in_id, int out_id = -1);
  void set_images(const QPixmap& in, const QPixmap& out = QPixmap());

  // With true, the background copy is dropped and taken again at the next drawing.
  void set_draw_transparent(bool transparent);
  void set_draw_border(bool border);
  void set_always_track(bool always);

  // The setup every skinned button of the program gets: place it, show the
  // bitmap, draw transparently and without a border.
  void setup_skinned(const QRect& place, int bitmap_id);

  void set_colour(ColourIndex index, const QColor& colour);
  QColor colour(ColourIndex index) const;
  // Backgrounds := the palette's button face, captions := its button text.
  void set_default_colours();

  bool draw_transparent() const { return m_draw_transparent; }
  bool draw_border() const { return m_draw_border; }
  bool is_hover() const { return m_hover; }
  bool has_background_snapshot() const { return m_background.valid(); }
  int bitmap_in_id() const { return m_in_id; }
  int bitmap_out_id() const { return m_out_id; }
  // The id of the picture shown now (-1 for pictures not from the skin).
  int shown_bitmap_id() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

  struct DrawState {
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
    bool hover = false;
  };

  // Steps of the drawing; the shaded button replaces the background.
  virtual void draw_background(QPainter& p, const QRect& r, const DrawState& s);
  void draw_edges(QPainter& p, const QRect& r, const DrawState& s) const;
  void draw_content(QPainter& p, const QRect& r, const DrawState& s);

 private:
  void start_hover();
  void end_hover();
  const QImage* current_image(const DrawState& s);

  bool m_draw_border = true;
  bool m_draw_transparent = false;
  bool m_always_track = true;
  bool m_hover = false;
  int m_in_id = -1;
  int m_out_id = -1;
  QImage m_in;  // masked pictures (black already transparent)
  QImage m_out;
  QImage m_in_grey;
  QImage m_out_grey;
  vela::BackgroundSnapshot m_background;
  QColor m_colours[colour_count];
};
