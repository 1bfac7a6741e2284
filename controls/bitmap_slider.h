#pragma once
// A slider drawn from two skin pictures: a channel and a thumb dragged along
// it. It maps between its value range and thumb pixels, follows the mouse
// and the keys, and tells its parent about every move with two notifications
// that are posted, so they arrive after its own handling has finished: the
// moving one (0x28D1) during a drag, the set one (0x28D2) after a release or
// a key. Window thread only.
#include <QPixmap>
#include <QWidget>
#include <memory>

class BitmapSlider : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kPositionMoving = 0x28D1;
  static constexpr int kPositionSet = 0x28D2;

  explicit BitmapSlider(QWidget* parent = nullptr);

  // The channel from the skin: the control takes its size (position kept).
  bool set_bitmap_channel(int bitmap_id);
  // The thumb from the skin; when transparent, the colour of its top-left
  // pixel lets the channel show through.
  bool set_bitmap_thumb(int bitmap_id, bool transparent);
  void set_margin(int left, int top, int right, int bottom);
  void set_vertical(bool vertical);
  void set_range(int minimum, int maximum);
  void set_page_size(int page_size) { m_page_size = page_size; }
  // Clamped into the range; sends no notification.
  void set_pos(int position);
  int get_pos() const { return m_position; }
  int minimum() const { return m_minimum; }
  int maximum() const { return m_maximum; }
  bool vertical() const { return m_vertical; }
  bool dragging() const { return m_dragging; }
  void set_draw_focus_rect(bool draw) { m_draw_focus_rect = draw; }

  // Thumb centre along the axis of travel for a position, and back.
  int pixel_of(int position) const;
  int position_of(int pixel) const;

 signals:
  // A notification (kPositionMoving or kPositionSet) as the parent gets it.
  void notified(int message, int control_id, int position);
  // A left-button release after a press on the slider.
  void clicked();
  // Every change of position, at once, whatever moved it.
  void position_changed(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Axis {
    int length;  // of the control
    int thumb;
    int margin_low;
    int margin_high;
  };
  Axis axis() const;
  int travel() const;
  int along(const QPoint& point) const;
  void store(int position);
  void post(int message);
  void end_drag();

  int m_maximum = 255;
  int m_minimum = 0;
  int m_position = 0;
  int m_page_size = 20;
  QRect m_focus_rect;
  int m_width = 0;
  int m_height = 0;
  int m_thumb_width = 0;
  int m_thumb_height = 0;
  int m_margin_left = 0;
  int m_margin_right = 0;
  int m_margin_top = 0;
  int m_margin_bottom = 0;
  int m_drag_offset = 0;
  bool m_vertical = false;
  bool m_channel_set = false;
  bool m_thumb_set = false;
  bool m_transparent_thumb = false;
  bool m_dragging = false;
  bool m_focused = false;
  bool m_focus_rect_drawn = false;
  bool m_draw_focus_rect = true;
  QPixmap m_channel;
  QPixmap m_thumb;  // masked when the thumb is transparent
};

// The slider's off-screen surface: filled with the window's background
// colour when made, copied to the screen in one step when it goes.
class SliderCanvas {
 public:
  SliderCanvas(QWidget& window, QSize size);
  ~SliderCanvas();
  SliderCanvas(const SliderCanvas&) = delete;
  SliderCanvas& operator=(const SliderCanvas&) = delete;

  QPainter& painter() { return *m_painter; }

 private:
  QWidget& m_window;
  QPixmap m_surface;
  std::unique_ptr<QPainter> m_painter;
};

namespace vela {
// `picture` with every pixel of its top-left pixel's colour transparent.
QPixmap masked_by_corner(const QPixmap& picture);
}  // namespace vela
