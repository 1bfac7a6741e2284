#pragma once
// A horizontal track bar that tells when the operator let go of it with the
// mouse (after a drag or a click in the groove), and only then: keys, the
// wheel and values set from code move it without a word.
#include <QSlider>

namespace vela {

class TrackBar : public QSlider {
  Q_OBJECT
 public:
  explicit TrackBar(QWidget* parent = nullptr);

 signals:
  // The left button was released after a press on the bar; `position` is
  // where the bar stands then.
  void released_by_mouse(int position);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool m_pressed = false;
};

}  // namespace vela
